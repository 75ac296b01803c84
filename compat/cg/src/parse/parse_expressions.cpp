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
    ExprPtr e = parseAssignment();
    if (peek().isPunct(",")) fail("the comma operator is not supported");
    return e;
}

ExprPtr Parser::parseAssignment() {
    NestingGuard guard(*this);
    ExprPtr left = parseTernary();
    static const char* const ops[] = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="};
    for (const char* op : ops) {
        if (peek().isPunct(op)) {
            auto e = std::make_unique<Expr>(ExprKind::Assign, advance().line);
            e->text = op;
            e->args.push_back(std::move(left));
            e->args.push_back(parseAssignment());
            return finish(std::move(e));
        }
    }
    return left;
}

ExprPtr Parser::parseTernary() {
    ExprPtr cond = parseBinary(0);
    if (!peek().isPunct("?")) return cond;
    NestingGuard guard(*this);
    auto e = std::make_unique<Expr>(ExprKind::Ternary, advance().line);
    e->args.push_back(std::move(cond));
    e->args.push_back(parseAssignment());
    expectPunct(":", "in the conditional expression");
    e->args.push_back(parseAssignment());
    return finish(std::move(e));
}

static int binaryLevel(const Token& t) {
    if (t.kind != TokenKind::Punct) return -1;
    static const char* const levels[][4] = {
        {"||"}, {"&&"}, {"|"}, {"^"}, {"&"}, {"==", "!="}, {"<", ">", "<=", ">="},
        {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"}};
    for (int level = 0; level < 10; ++level)
        for (const char* op : levels[level])
            if (op && t.text == op) return level;
    return -1;
}

ExprPtr Parser::parseBinary(int minLevel) {
    NestingGuard guard(*this);
    ExprPtr left = parseUnary();
    while (true) {
        int level = binaryLevel(peek());
        if (level < minLevel) return left;
        auto e = std::make_unique<Expr>(ExprKind::Binary, peek().line);
        e->text = advance().text;
        e->args.push_back(std::move(left));
        e->args.push_back(parseBinary(level + 1));
        left = finish(std::move(e));
    }
}

ExprPtr Parser::parseUnary() {
    NestingGuard guard(*this);
    const Token& t = peek();
    if (t.isPunct("-") || t.isPunct("+") || t.isPunct("!") || t.isPunct("~") || t.isPunct("++") ||
        t.isPunct("--")) {
        auto e = std::make_unique<Expr>(ExprKind::Unary, t.line);
        e->text = advance().text;
        e->args.push_back(parseUnary());
        return finish(std::move(e));
    }
    // "(type) expr" is a cast.
    if (t.isPunct("(") && atTypeName(1)) {
        size_t save = pos;
        advance();
        Type type = parseType();
        type = parseArraySuffix(type);
        if (acceptPunct(")")) {
            auto e = std::make_unique<Expr>(ExprKind::Cast, t.line);
            e->targetType = type;
            e->args.push_back(parseUnary());
            return finish(std::move(e));
        }
        pos = save;
    }
    return parsePostfix(parsePrimary());
}

void Parser::parseArguments(Expr& call) {
    expectPunct("(", "before the arguments");
    if (acceptPunct(")")) return;
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
            e->args.push_back(std::move(base));
            e->args.push_back(parseExpression());
            expectPunct("]", "after the index");
            base = finish(std::move(e));
        } else if (t.isPunct("++") || t.isPunct("--")) {
            auto e = std::make_unique<Expr>(ExprKind::Postfix, t.line);
            e->text = advance().text;
            e->args.push_back(std::move(base));
            base = finish(std::move(e));
        } else {
            return base;
        }
    }
}

ExprPtr Parser::parsePrimary() {
    const Token& t = peek();
    if (t.kind == TokenKind::Number) {
        bool isFloat = false;
        long long i = 0;
        double f = 0;
        std::string problem;
        if (!parseNumber(t.text, isFloat, i, f, problem)) fail(problem);
        auto e = std::make_unique<Expr>(isFloat ? ExprKind::FloatLiteral : ExprKind::IntLiteral, t.line);
        e->intValue = i;
        e->floatValue = f;
        advance();
        return e;
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
        std::string name = expectIdentifier("an expression");
        if (peek().isPunct("(")) {
            NestingGuard guard(*this);
            auto e = std::make_unique<Expr>(ExprKind::Call, t.line);
            e->text = name;
            parseArguments(*e);
            return finish(std::move(e));
        }
        auto e = std::make_unique<Expr>(ExprKind::Name, t.line);
        e->text = name;
        return e;
    }
    if (t.kind == TokenKind::Invalid) fail("unexpected character '" + t.text + "'");
    if (t.kind == TokenKind::End) fail("the source ends in the middle of an expression");
    fail("expected an expression, found '" + t.text + "'");
}

}  // namespace cgc
