#include <cctype>
#include <set>
#include <unordered_set>

#include "parse/parser_state.h"

namespace cgc {

Parser::Parser(TokenStream& s, Diagnostics& d) : source(s), diag(d) {
    endToken.kind = TokenKind::End;
    endToken.text = "end of source";
    endToken.line = 1;
}

const Token& Parser::readMore(size_t at) const {
    while (at >= tokens.size() && !ended) {
        if (!source.next(tokens)) {
            ended = true;
            if (!tokens.empty()) endToken.line = tokens.back().line;
        }
    }
    return at < tokens.size() ? tokens[at] : endToken;
}

const Token& Parser::advance() {
    const Token& t = peek();
    if (pos - base < tokens.size()) ++pos;
    // Tokens well behind are dropped: a long source never sits whole in memory.
    if (pos - base > 2 * keptBehind) {
        size_t drop = pos - base - keptBehind;
        tokens.erase(tokens.begin(), tokens.begin() + static_cast<long>(drop));
        base += drop;
    }
    return t;
}

void Parser::backTo(size_t position) {
    if (position < base) fail("the source is nested too deeply");
    pos = position;
}

bool Parser::acceptPunct(const char* p) {
    if (!peek().isPunct(p)) return false;
    advance();
    return true;
}

bool Parser::acceptIdent(const char* word) {
    if (!peek().isIdent(word)) return false;
    advance();
    return true;
}

void Parser::failAt(const Token& token, const std::string& message) {
    diag.fatal(token.line, message);
}

void Parser::fail(const std::string& message) { failAt(peek(), message); }

static std::string describe(const Token& t) {
    if (t.kind == TokenKind::End) return "the end of the source";
    return "'" + t.text + "'";
}

void Parser::expectPunct(const char* p, const char* context) {
    if (acceptPunct(p)) return;
    if (peek().kind == TokenKind::Invalid) fail("unexpected character " + describe(peek()));
    fail(std::string("expected '") + p + "' " + context + ", found " + describe(peek()));
}

static bool isKeyword(const std::string& word) {
    static const std::unordered_set<std::string> keywords = {
        "if", "else", "for", "while", "do", "return", "discard", "break", "continue", "struct",
        "typedef", "static", "const", "uniform", "in", "out", "inout", "true", "false", "extern",
        "inline", "switch", "case", "default", "goto", "sizeof", "register", "volatile"};
    return keywords.count(word) != 0;
}

std::string Parser::expectIdentifier(const char* what, bool typeChecked) {
    const Token& t = peek();
    if (t.kind != TokenKind::Identifier || isKeyword(t.text) || (!typeChecked && atTypeName()))
        fail(std::string("expected ") + what + ", found " + describe(t));
    return advance().text;
}

std::string Parser::declaratorName(const char* what) {
    const Token& t = peek();
    const Token& after = peek(1);
    bool userType = t.kind == TokenKind::Identifier && (structNames.count(t.text) || typedefs.count(t.text));
    bool declarator = after.isPunct(",") || after.isPunct(")") || after.isPunct(":") || after.isPunct("=") ||
                      after.isPunct(";") || after.isPunct("[");
    if (!userType || !declarator) return expectIdentifier(what);
    // "in bc bc": from here to the end of the function the name is the variable.
    shadowedTypes.insert(t.text);
    return advance().text;
}

// Type names of the Cg language reference that our profiles do not have.
const char* Parser::typeOfOtherProfiles(const std::string& name) {
    static const std::set<std::string> gp4 = {
        "sampler1DARRAY", "sampler2DARRAY", "samplerBUF", "samplerRBUF", "isampler1D", "isampler2D", "isampler3D",
        "isamplerCUBE", "isamplerRECT", "usampler1D", "usampler2D", "usampler3D", "usamplerCUBE", "usamplerRECT",
        "isampler1DARRAY", "isampler2DARRAY", "usampler1DARRAY", "usampler2DARRAY", "isamplerBUF", "usamplerBUF"};
    static const std::set<std::string> gp5 = {"sampler2DMS", "sampler2DMSARRAY", "samplerCUBEARRAY"};
    if (gp4.count(name)) return "is only available in the gp4 and newer profiles";
    if (gp5.count(name)) return "is only available in the gp5 and newer profiles";
    if (name == "sampler")
        return "(a sampler of any kind) is not supported: GLSL needs the kind, so declare it as sampler1D, "
               "sampler2D, sampler3D, samplerCUBE or samplerRECT";
    if (name == "unsigned") return "(unsigned integers) is only available in the gp4 and newer profiles";
    if (name == "string") return "is for effect annotations, which belong to the effect files this runtime leaves out";
    if (name == "interface") return "is not supported: interfaces need run-time binding of implementations";
    return nullptr;
}

bool Parser::atTypeName(size_t ahead) const {
    const Token& t = peek(ahead);
    if (t.kind != TokenKind::Identifier) return false;
    Type type;
    bool unsupported = false;
    if (builtinTypeFromName(t.text, type, unsupported)) return true;
    if (!shadowedTypes.empty() && shadowedTypes.count(t.text)) return false;
    return structNames.count(t.text) || typedefs.count(t.text) || glslTypeFromName(t.text, type);
}

Type Parser::parseType() {
    const Token& t = peek();
    if (t.kind == TokenKind::Identifier) {
        Type type;
        bool unsupported = false;
        if (builtinTypeFromName(t.text, type, unsupported)) {
            advance();
            if (unsupported) failAt(t, "type '" + t.text + "' is not supported: use a float matrix of 2 to 4 rows and columns");
            return type;
        }
        auto s = structNames.find(t.text);
        if (s != structNames.end()) {
            advance();
            Type st = Type::scalar(BaseType::Struct);
            st.structInfo = s->second;
            return st;
        }
        auto td = typedefs.find(t.text);
        if (td != typedefs.end()) {
            advance();
            return td->second;
        }
        if (glslTypeFromName(t.text, type)) {
            diag.warning(t.line, "'" + t.text + "' is GLSL's name: taken as Cg's '" + typeName(type) + "'");
            advance();
            return type;
        }
        if (const char* why = typeOfOtherProfiles(t.text)) failAt(t, "type '" + t.text + "' " + why);
    }
    fail("expected a type, found " + describe(t));
}

Type Parser::parseArraySuffix(Type base, bool* unsized) {
    if (!acceptPunct("[")) return base;
    int line = peek().line;
    if (unsized && acceptPunct("]")) {
        // Sized by its initializer list, as in C.
        if (peek().isPunct("[") || base.isArray()) fail("arrays of arrays are not supported");
        *unsized = true;
        return base;
    }
    ExprPtr size = parseTernary();
    long long value = 0;
    if (!constantInteger(*size, value) || value <= 0 || value > 4096)
        diag.fatal(line, "array size must be a constant whole number from 1 to 4096");
    expectPunct("]", "after the array size");
    if (base.isArray()) fail("arrays of arrays are not supported");
    if (base.base == BaseType::Void) fail("an array of void is not allowed");
    base.arraySize = static_cast<int>(value);
    if (acceptPunct("[")) {
        // An array of arrays, held flat: [outer][inner].
        int innerLine = peek().line;
        ExprPtr inner = parseTernary();
        long long innerValue = 0;
        if (!constantInteger(*inner, innerValue) || innerValue <= 0 || value * innerValue > 4096)
            diag.fatal(innerLine, "array size must be a constant whole number, at most 4096 elements in all");
        expectPunct("]", "after the array size");
        if (peek().isPunct("[")) fail("arrays of more than two dimensions are not supported");
        base.innerArraySize = static_cast<int>(innerValue);
    }
    return base;
}

void Parser::sizeFromInitializer(VarDecl& var, bool unsized) {
    if (!unsized) return;
    if (!var.init || var.init->kind != ExprKind::InitList)
        fail("array '" + var.name + "' has no size, so it needs an initializer list");
    if (var.init->args.size() > 4096) fail("array size must be a constant whole number from 1 to 4096");
    var.type.arraySize = static_cast<int>(var.init->args.size());
}

bool Parser::constantInteger(const Expr& e, long long& value) const {
    // Folded in 64 bits; anything beyond the array limit is rejected by the caller.
    auto bounded = [&](long long v) {
        if (v < -(1LL << 40) || v > (1LL << 40)) return false;
        value = v;
        return true;
    };
    long long a = 0, b = 0;
    switch (e.kind) {
    case ExprKind::IntLiteral:
    case ExprKind::BoolLiteral: value = e.intValue; return true;
    case ExprKind::Name: {
        auto found = constantInts.find(e.text);
        if (found == constantInts.end()) return false;
        value = found->second;
        return true;
    }
    case ExprKind::Cast:
        if (!(e.targetType == Type::scalar(BaseType::Int))) return false;
        return constantInteger(*e.args[0], value);
    case ExprKind::Unary:
        if (!constantInteger(*e.args[0], a)) return false;
        if (e.op == Op::Negate) return bounded(-a);
        if (e.op == Op::Plus) return bounded(a);
        if (e.op == Op::Not) return bounded(!a);
        return false;
    case ExprKind::Ternary:
        if (!constantInteger(*e.args[0], a)) return false;
        return constantInteger(*e.args[a ? 1 : 2], value);
    case ExprKind::Binary:
        if (!constantInteger(*e.args[0], a) || !constantInteger(*e.args[1], b)) return false;
        switch (e.op) {
        case Op::Add: return bounded(a + b);
        case Op::Subtract: return bounded(a - b);
        case Op::Multiply: return bounded(a * b);
        case Op::Divide: return b != 0 && bounded(a / b);
        case Op::Modulo: return b != 0 && bounded(a % b);
        case Op::ShiftLeft: return b >= 0 && b < 24 && bounded(a << b);
        case Op::ShiftRight: return b >= 0 && b < 63 && bounded(a >> b);
        case Op::Less: return bounded(a < b);
        case Op::Greater: return bounded(a > b);
        case Op::LessEqual: return bounded(a <= b);
        case Op::GreaterEqual: return bounded(a >= b);
        case Op::Equal: return bounded(a == b);
        case Op::NotEqual: return bounded(a != b);
        case Op::And: return bounded(a && b);
        case Op::Or: return bounded(a || b);
        default: return false;
        }
    default: return false;
    }
}

void Parser::noteConstant(const VarDecl& v) {
    long long value = 0;
    if (v.isConst && v.init && (v.type == Type::scalar(BaseType::Int)) && constantInteger(*v.init, value))
        constantInts[v.name] = value;
    else
        constantInts.erase(v.name);  // a later variable of that name hides the constant
}

std::string Parser::parseSemantic() {
    if (!acceptPunct(":")) return std::string();
    const Token& t = peek();
    if (t.kind != TokenKind::Identifier) fail("expected a semantic after ':', found " + describe(t));
    advance();
    std::string upper;
    for (char c : t.text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (acceptPunct("(")) {  // register(c0) and the like: a binding we choose ourselves
        while (!peek().isPunct(")") && peek().kind != TokenKind::End) advance();
        expectPunct(")", "after the register binding");
        return std::string();
    }
    return upper;
}

void Parser::skipAnnotation() {
    if (!acceptPunct("<")) return;
    while (!peek().isPunct(">")) {
        if (peek().kind == TokenKind::End) fail("annotation is not closed with '>'");
        advance();
    }
    advance();
}

Module Parser::run() {
    while (peek().kind != TokenKind::End) topLevel();
    return std::move(module);
}

Module parse(TokenStream& tokens, Diagnostics& diagnostics) {
    return Parser(tokens, diagnostics).run();
}

}  // namespace cgc
