// Statements and local declarations.
#include "parse/parser_state.h"

namespace cgc {

bool Parser::atDeclaration() const {
    if (peek().isIdent("const") || peek().isIdent("static") || peek().isIdent("packed")) return true;
    // "float4(...)" at the start of a statement is an expression.
    if (typeOfOtherProfiles(peek().text) && peek(1).kind == TokenKind::Identifier) return true;
    return atTypeName() && !peek(1).isPunct("(");
}

StmtPtr Parser::parseDeclaration(bool allowQualifiers) {
    auto stmt = std::make_unique<Stmt>(StmtKind::Decl, peek().line);
    bool isConst = false;
    while (allowQualifiers) {
        if (acceptIdent("const")) isConst = true;
        else if (acceptIdent("static") || acceptIdent("packed")) continue;
        else break;
    }
    if (peek().isIdent("struct")) fail("define structs outside functions");
    Type type = parseType();
    do {
        auto var = std::make_unique<VarDecl>();
        var->line = peek().line;
        var->name = declaratorName("a variable name");
        if (type.base == BaseType::Void) failAt(peek(), "variable '" + var->name + "' cannot be void");
        bool unsized = false;
        var->type = parseArraySuffix(type, &unsized);
        var->isConst = isConst;
        if (peek().isPunct(":")) fail("semantics belong on entry parameters and struct members");
        if (acceptPunct("=")) var->init = parseInitializer();
        else if (isConst) failAt(peek(), "const variable '" + var->name + "' needs a value");
        sizeFromInitializer(*var, unsized);
        noteConstant(*var);
        stmt->decls.push_back(std::move(var));
    } while (acceptPunct(","));
    return stmt;
}

StmtPtr Parser::parseBlock() {
    NestingGuard guard(*this);
    auto block = std::make_unique<Stmt>(StmtKind::Block, peek().line);
    expectPunct("{", "to open the block");
    while (!acceptPunct("}")) {
        if (peek().kind == TokenKind::End) fail("block is not closed with '}'");
        block->body.push_back(parseStatement());
    }
    return block;
}

StmtPtr Parser::parseStatement() {
    NestingGuard guard(*this);
    const Token& t = peek();
    int line = t.line;
    if (t.isPunct("{")) return parseBlock();
    if (acceptPunct(";")) return std::make_unique<Stmt>(StmtKind::Empty, line);
    if (acceptIdent("if")) {
        auto s = std::make_unique<Stmt>(StmtKind::If, line);
        expectPunct("(", "after 'if'");
        s->expr = parseExpression();
        expectPunct(")", "after the condition");
        s->then = parseStatement();
        if (acceptIdent("else")) s->otherwise = parseStatement();
        return s;
    }
    if (acceptIdent("while")) {
        auto s = std::make_unique<Stmt>(StmtKind::While, line);
        expectPunct("(", "after 'while'");
        s->expr = parseExpression();
        expectPunct(")", "after the condition");
        s->then = parseStatement();
        return s;
    }
    if (acceptIdent("do")) {
        auto s = std::make_unique<Stmt>(StmtKind::DoWhile, line);
        s->then = parseStatement();
        if (!acceptIdent("while")) fail("expected 'while' after the body of 'do'");
        expectPunct("(", "after 'while'");
        s->expr = parseExpression();
        expectPunct(")", "after the condition");
        expectPunct(";", "after 'do ... while'");
        return s;
    }
    if (acceptIdent("for")) {
        auto s = std::make_unique<Stmt>(StmtKind::For, line);
        expectPunct("(", "after 'for'");
        if (acceptPunct(";")) {
            s->init = std::make_unique<Stmt>(StmtKind::Empty, line);
        } else if (atDeclaration()) {
            s->init = parseDeclaration(true);
            expectPunct(";", "after the loop's declaration");
        } else {
            s->init = std::make_unique<Stmt>(StmtKind::Expr, peek().line);
            s->init->expr = parseExpression();
            expectPunct(";", "after the loop's first expression");
        }
        if (!peek().isPunct(";")) s->expr = parseExpression();
        expectPunct(";", "after the loop condition");
        if (!peek().isPunct(")")) s->step = parseExpression();
        expectPunct(")", "to close the loop header");
        s->then = parseStatement();
        return s;
    }
    if (acceptIdent("return")) {
        auto s = std::make_unique<Stmt>(StmtKind::Return, line);
        if (!peek().isPunct(";")) s->expr = parseExpression();
        expectPunct(";", "after 'return'");
        return s;
    }
    if (acceptIdent("discard")) {
        expectPunct(";", "after 'discard'");
        return std::make_unique<Stmt>(StmtKind::Discard, line);
    }
    if (acceptIdent("break")) {
        expectPunct(";", "after 'break'");
        return std::make_unique<Stmt>(StmtKind::Break, line);
    }
    if (acceptIdent("continue")) {
        expectPunct(";", "after 'continue'");
        return std::make_unique<Stmt>(StmtKind::Continue, line);
    }
    if (t.isIdent("switch") || t.isIdent("goto")) fail("'" + t.text + "' is not supported");
    if (t.isIdent("asm")) fail("'asm' is not supported: there is no assembly below the generated GLSL");
    if (atDeclaration()) {
        StmtPtr s = parseDeclaration(true);
        expectPunct(";", "after the declaration");
        return s;
    }
    auto s = std::make_unique<Stmt>(StmtKind::Expr, line);
    s->expr = parseExpression();
    expectPunct(";", "after the expression");
    return s;
}

}  // namespace cgc
