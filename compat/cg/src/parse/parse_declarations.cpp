// Top-level declarations: structs, typedefs, global variables and functions.
#include "parse/parser_state.h"

namespace cgc {

void Parser::parseStruct() {
    int line = advance().line;  // "struct"
    if (peek().kind == TokenKind::Identifier && (structNames.count(peek().text) || typedefs.count(peek().text)))
        fail("type '" + peek().text + "' is already defined");
    std::string name = expectIdentifier("a struct name");
    if (structNames.count(name) || typedefs.count(name)) fail("type '" + name + "' is already defined");
    auto info = std::make_unique<StructInfo>();
    info->name = name;
    info->line = line;
    expectPunct("{", "to open the struct");
    while (!acceptPunct("}")) {
        if (peek().kind == TokenKind::End) fail("struct '" + name + "' is not closed");
        if (peek().isIdent("struct")) fail("define nested structs before the struct that uses them");
        acceptIdent("uniform");  // members of a uniform struct are uniform anyway
        Type memberType = parseType();
        if (memberType.base == BaseType::Void) fail("a struct member cannot be void");
        do {
            StructMember m;
            m.line = peek().line;
            m.name = declaratorName("a member name");
            m.type = parseArraySuffix(memberType);
            if (m.type.innerArraySize) fail("arrays of arrays are only supported for variables, not struct members");
            m.semantic = parseSemantic();
            for (const StructMember& other : info->members)
                if (other.name == m.name) failAt(peek(), "member '" + m.name + "' is declared twice");
            info->members.push_back(m);
        } while (acceptPunct(","));
        expectPunct(";", "after the struct member");
    }
    if (info->members.empty()) failAt(peek(), "struct '" + name + "' has no members");
    structNames[name] = info.get();
    module.structs.push_back(std::move(info));
    if (!peek().isPunct(";")) fail("expected ';' after the struct definition");
    advance();
}

void Parser::parseTypedef() {
    advance();  // "typedef"
    Type type = parseType();
    std::string name = expectIdentifier("a type name");
    type = parseArraySuffix(type);
    if (type.innerArraySize) fail("arrays of arrays are only supported for variables, not typedefs");
    if (structNames.count(name) || typedefs.count(name)) fail("type '" + name + "' is already defined");
    typedefs[name] = type;
    expectPunct(";", "after the typedef");
}

ExprPtr Parser::parseInitializer() {
    if (!peek().isPunct("{")) return parseAssignment();
    NestingGuard guard(*this);
    auto list = std::make_unique<Expr>(ExprKind::InitList, advance().line);
    while (!acceptPunct("}")) {
        list->args.push_back(parseInitializer());
        if (acceptPunct("}")) break;
        expectPunct(",", "between initializer values");
    }
    if (list->args.empty()) failAt(peek(), "an initializer list cannot be empty");
    return finish(std::move(list));
}

void Parser::topLevel() {
    if (acceptPunct(";")) return;
    if (peek().isIdent("struct")) return parseStruct();
    if (peek().isIdent("typedef")) return parseTypedef();
    bool isStatic = false, isConst = false, isUniform = false;
    while (true) {
        if (acceptIdent("static")) isStatic = true;
        else if (acceptIdent("const")) isConst = true;
        else if (acceptIdent("uniform")) isUniform = true;
        else if (acceptIdent("extern") || acceptIdent("inline") || acceptIdent("volatile") || acceptIdent("packed")) continue;
        else if (peek().isIdent("row_major") || peek().isIdent("column_major"))
            fail("'" + peek().text + "' is not supported: matrices keep the Cg layout, and the API sets them row by "
                 "row (fr) or column by column (fc)");
        else if (peek().isIdent("in") || peek().isIdent("out") || peek().isIdent("inout"))
            fail("'" + peek().text + "' belongs on entry function parameters, not on globals");
        else break;
    }
    if (!atTypeName() && !typeOfOtherProfiles(peek().text)) fail("expected a declaration, found '" + peek().text + "'");
    Type type = parseType();
    int line = peek().line;
    std::string name = expectIdentifier("a name");
    if (peek().isPunct("(")) {
        if (isUniform || isConst) fail("a function cannot be uniform or const");
        return parseFunction(type, name, line);
    }
    if (type.base == BaseType::Void) failAt(peek(), "variable '" + name + "' cannot be void");
    if (isStatic && isUniform) fail("a global cannot be both static and uniform");
    while (true) {
        auto var = std::make_unique<VarDecl>();
        var->name = name;
        var->line = line;
        bool unsized = false;
        var->type = parseArraySuffix(type, &unsized);
        var->semantic = parseSemantic();
        skipAnnotation();
        var->isGlobal = true;
        var->isStatic = isStatic;
        var->isConst = isConst;
        // Globals that are neither static nor const are the program's parameters.
        var->isUniform = isUniform || (!isStatic && !isConst);
        if (acceptPunct("=")) var->init = parseInitializer();
        sizeFromInitializer(*var, unsized);
        noteConstant(*var);
        module.globals.push_back(std::move(var));
        if (!acceptPunct(",")) break;
        line = peek().line;
        name = expectIdentifier("a name");
    }
    expectPunct(";", "after the declaration");
}

VarDeclPtr Parser::parseParameter() {
    auto p = std::make_unique<VarDecl>();
    p->isParam = true;
    bool sawDirection = false;
    while (true) {
        if (acceptIdent("in")) {
            sawDirection = true;
        } else if (acceptIdent("out")) {
            p->isIn = false;
            p->isOut = true;
            sawDirection = true;
        } else if (acceptIdent("inout")) {
            p->isOut = true;
            sawDirection = true;
        } else if (acceptIdent("uniform")) {
            p->isUniform = true;
        } else if (acceptIdent("const")) {
            p->isConst = true;
        } else if (acceptIdent("static")) {
            // Means nothing on a parameter; taken as Cg takes it.
        } else {
            break;
        }
    }
    if (p->isUniform && p->isOut) fail("a uniform parameter cannot be out");
    (void)sawDirection;
    Type type = parseType();
    if (type.base == BaseType::Void) fail("a parameter cannot be void");
    p->line = peek().line;
    p->name = declaratorName("a parameter name");
    constantInts.erase(p->name);  // a parameter hides a constant of its name
    p->type = parseArraySuffix(type);
    if (p->type.innerArraySize) fail("arrays of arrays are only supported for variables, not parameters");
    p->semantic = parseSemantic();
    skipAnnotation();
    if (peek().isPunct("=")) fail("default values of parameters are not supported");
    return p;
}

void Parser::parseFunction(Type returnType, const std::string& name, int line) {
    auto f = std::make_unique<FunctionDecl>();
    // Constants and type names hidden inside one function stay there.
    std::set<std::string> outerShadowed;
    outerShadowed.swap(shadowedTypes);
    std::map<std::string, long long> outerConstants = constantInts;
    struct Restore {
        Parser& p;
        std::set<std::string>& shadowed;
        std::map<std::string, long long>& constants;
        ~Restore() {
            p.shadowedTypes.swap(shadowed);
            p.constantInts.swap(constants);
        }
    } restore{*this, outerShadowed, outerConstants};
    f->name = name;
    f->line = line;
    f->returnType = returnType;
    if (returnType.isArray()) fail("a function cannot return an array");
    expectPunct("(", "after the function name");
    if (peek().isIdent("void") && peek(1).isPunct(")")) advance();
    if (!acceptPunct(")")) {
        do {
            f->params.push_back(parseParameter());
            for (size_t i = 0; i + 1 < f->params.size(); ++i)
                if (f->params[i]->name == f->params.back()->name)
                    failAt(peek(), "parameter '" + f->params.back()->name + "' is declared twice");
        } while (acceptPunct(","));
        expectPunct(")", "after the parameters");
    }
    f->returnSemantic = parseSemantic();
    if (!acceptPunct(";")) {
        if (!peek().isPunct("{")) fail("expected '{' or ';' after the function header, found '" + peek().text + "'");
        f->body = parseBlock();
    }
    module.functions.push_back(std::move(f));
}

}  // namespace cgc
