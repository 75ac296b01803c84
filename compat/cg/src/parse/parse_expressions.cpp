// Expressions, by C precedence.
#include "parse/parser_state.h"

namespace cgc {

ExprPtr Parser::finish(ExprPtr e) {
    int deepest = 0;
    for (const ExprPtr& a : e->args) deepest = std::max(deepest, a->depth);
    e->depth = deepest + 1;
    if (e->depth > maxNesting) failAt(peek(), "expression is nested too deeply");
    return e;
}

ExprPtr Parser::parseExpression() {
    NestingGuard guard(*this);
    ExprPtr e = parseAssignment();
    while (peek().isPunct(",")) {
        auto comma = std::make_unique<Expr>(ExprKind::Binary, advance().line);
        comma->op = Op::Comma;
        comma->args.reserve(2);
        comma->args.push_back(std::move(e));
        comma->args.push_back(parseAssignment());
        e = finish(std::move(comma));
    }
    return e;
}

ExprPtr Parser::parseAssignment() {
    NestingGuard guard(*this);
    ExprPtr left = parseTernary();
    Op op = peek().kind == TokenKind::Punct ? assignmentOperator(peek().text) : Op::None;
    if (op == Op::None) return left;
    auto e = std::make_unique<Expr>(ExprKind::Assign, advance().line);
    e->op = op;
    e->args.reserve(2);
    e->args.push_back(std::move(left));
    e->args.push_back(parseAssignment());
    return finish(std::move(e));
}

ExprPtr Parser::parseTernary() {
    ExprPtr cond = parseBinary(0);
    if (!peek().isPunct("?")) return cond;
    NestingGuard guard(*this);
    auto e = std::make_unique<Expr>(ExprKind::Ternary, advance().line);
    e->args.reserve(3);
    e->args.push_back(std::move(cond));
    e->args.push_back(parseAssignment());
    expectPunct(":", "in the conditional expression");
    e->args.push_back(parseAssignment());
    return finish(std::move(e));
}

ExprPtr Parser::parseBinary(int minLevel) {
    NestingGuard guard(*this);
    ExprPtr left = parseUnary();
    while (true) {
        Op op = peek().kind == TokenKind::Punct ? binaryOperator(peek().text) : Op::None;
        int level = precedence(op);
        if (level < minLevel) return left;
        auto e = std::make_unique<Expr>(ExprKind::Binary, advance().line);
        e->op = op;
        e->args.reserve(2);
        e->args.push_back(std::move(left));
        e->args.push_back(parseBinary(level + 1));
        left = finish(std::move(e));
    }
}

ExprPtr Parser::parseUnary() {
    NestingGuard guard(*this);
    const Token& t = peek();
    Op prefix = t.kind == TokenKind::Punct ? prefixOperator(t.text) : Op::None;
    if (prefix != Op::None) {
        auto e = std::make_unique<Expr>(ExprKind::Unary, advance().line);
        e->op = prefix;
        e->args.push_back(parseUnary());
        return finish(std::move(e));
    }
    // "(type) expr" is a cast.
    if (t.isPunct("(") && atTypeName(1)) {
        int line = t.line;
        size_t save = pos;
        advance();
        Type type = parseType();
        type = parseArraySuffix(type);
        if (acceptPunct(")")) {
            auto e = std::make_unique<Expr>(ExprKind::Cast, line);
            e->targetType = type;
            e->args.push_back(parseUnary());
            return finish(std::move(e));
        }
        backTo(save);
    }
    return parsePostfix(parsePrimary());
}

void Parser::parseArguments(Expr& call) {
    expectPunct("(", "before the arguments");
    if (acceptPunct(")")) return;
    call.args.reserve(4);  // most calls take a few: one allocation
    do {
        call.args.push_back(parseAssignment());
    } while (acceptPunct(","));
    expectPunct(")", "after the arguments");
}

ExprPtr Parser::parsePostfix(ExprPtr base) {
    while (true) {
        const Token& t = peek();
        if (t.isPunct(".")) {
            advance();
            const Token& member = peek();
            if (member.kind != TokenKind::Identifier)
                fail("expected a member name or swizzle after '.', found '" + member.text + "'");
            auto e = std::make_unique<Expr>(ExprKind::Member, t.line);
            e->text = advance().text;
            e->args.push_back(std::move(base));
            base = finish(std::move(e));
        } else if (t.isPunct("[")) {
            NestingGuard guard(*this);
            auto e = std::make_unique<Expr>(ExprKind::Index, advance().line);
            e->args.reserve(2);
            e->args.push_back(std::move(base));
            e->args.push_back(parseExpression());
            expectPunct("]", "after the index");
            base = finish(std::move(e));
        } else if (t.isPunct("++") || t.isPunct("--")) {
            auto e = std::make_unique<Expr>(ExprKind::Postfix, t.line);
            e->op = advance().isPunct("++") ? Op::PostIncrement : Op::PostDecrement;
            e->args.push_back(std::move(base));
            base = finish(std::move(e));
        } else {
            return base;
        }
    }
}

// "0.25.xxx" is one preprocessing number: the literal 0.25 swizzled. Null
// when the text is no number followed by swizzles.
ExprPtr Parser::swizzledNumber(const Token& t) {
    const std::string& text = t.text;
    auto swizzleLetter = [](char c) { return std::string("xyzwrgba").find(c) != std::string::npos; };
    for (size_t dot = text.find('.'); dot != std::string::npos; dot = text.find('.', dot + 1)) {
        if (dot + 1 >= text.size() || !swizzleLetter(text[dot + 1])) continue;
        bool isFloat = false;
        long long i = 0;
        double f = 0;
        std::string problem;
        if (!parseNumber(text.substr(0, dot), isFloat, i, f, problem)) continue;
        ExprPtr e = std::make_unique<Expr>(isFloat ? ExprKind::FloatLiteral : ExprKind::IntLiteral, t.line);
        e->intValue = i;
        e->floatValue = f;
        size_t at = dot;
        while (at < text.size()) {
            size_t end = text.find('.', at + 1);
            if (end == std::string::npos) end = text.size();
            std::string name = text.substr(at + 1, end - at - 1);
            if (name.empty() || name.find_first_not_of("xyzwrgba") != std::string::npos) return nullptr;
            auto member = std::make_unique<Expr>(ExprKind::Member, t.line);
            member->text = name;
            member->args.push_back(std::move(e));
            e = finish(std::move(member));
            at = end;
        }
        return e;
    }
    return nullptr;
}

ExprPtr Parser::parsePrimary() {
    const Token& t = peek();
    if (t.kind == TokenKind::Number) {
        bool isFloat = false;
        long long i = 0;
        double f = 0;
        std::string problem;
        if (parseNumber(t.text, isFloat, i, f, problem)) {
            auto e = std::make_unique<Expr>(isFloat ? ExprKind::FloatLiteral : ExprKind::IntLiteral, t.line);
            e->intValue = i;
            e->floatValue = f;
            advance();
            return e;
        }
        ExprPtr swizzled = swizzledNumber(t);
        if (!swizzled) fail(problem);
        advance();
        return swizzled;
    }
    if (t.isIdent("true") || t.isIdent("false")) {
        auto e = std::make_unique<Expr>(ExprKind::BoolLiteral, t.line);
        e->intValue = t.text == "true";
        advance();
        return e;
    }
    if (t.isPunct("(")) {
        NestingGuard guard(*this);
        advance();
        ExprPtr inner = parseExpression();
        expectPunct(")", "to close the parenthesis");
        return inner;
    }
    if (atTypeName()) {
        int line = t.line;
        Type type = parseType();
        if (!peek().isPunct("(")) fail("expected '(' after type '" + typeName(type) + "' in an expression");
        NestingGuard guard(*this);
        auto e = std::make_unique<Expr>(ExprKind::Construct, line);
        e->targetType = type;
        parseArguments(*e);
        return finish(std::move(e));
    }
    if (t.kind == TokenKind::Identifier) {
        std::string name = expectIdentifier("an expression", true);  // atTypeName() was false above
        if (peek().isPunct("(")) {
            NestingGuard guard(*this);
            auto e = std::make_unique<Expr>(ExprKind::Call, t.line);
            e->text = std::move(name);
            parseArguments(*e);
            return finish(std::move(e));
        }
        auto e = std::make_unique<Expr>(ExprKind::Name, t.line);
        e->text = std::move(name);
        return e;
    }
    if (t.kind == TokenKind::Invalid) fail("unexpected character '" + t.text + "'");
    if (t.kind == TokenKind::End) fail("the source ends in the middle of an expression");
    fail("expected an expression, found '" + t.text + "'");
}

}  // namespace cgc
