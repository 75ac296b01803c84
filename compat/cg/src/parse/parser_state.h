// The parser's shared state, split over the files for declarations,
// statements and expressions.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "parse/parser.h"

namespace cgc {

class Parser {
public:
    static constexpr int maxNesting = 200;

    Parser(TokenStream& tokens, Diagnostics& diagnostics);
    Module run();

    // Tokens.
    // Inline for the common case of a token already read.
    const Token& peek(size_t ahead = 0) const {
        size_t at = pos + ahead - base;
        return at < tokens.size() ? tokens[at] : readMore(at);
    }
    const Token& readMore(size_t at) const;
    const Token& advance();
    // Goes back to an earlier position (a cast that was none).
    void backTo(size_t position);
    bool acceptPunct(const char* p);
    bool acceptIdent(const char* word);
    void expectPunct(const char* p, const char* context);
    // typeChecked: the caller already knows that no type name is next.
    std::string expectIdentifier(const char* what, bool typeChecked = false);
    // A variable's name, which may be a struct or typedef name ("in bc bc").
    std::string declaratorName(const char* what);
    [[noreturn]] void fail(const std::string& message);
    [[noreturn]] void failAt(const Token& token, const std::string& message);

    // Types.
    bool atTypeName(size_t ahead = 0) const;
    Type parseType();
    static const char* typeOfOtherProfiles(const std::string& name);
    // unsized: where `[]` may take its size from an initializer list, set
    // when it does (the caller then calls sizeFromInitializer).
    Type parseArraySuffix(Type base, bool* unsized = nullptr);
    void sizeFromInitializer(VarDecl& var, bool unsized);
    // Folds integer literals, constant ints and operators on them.
    bool constantInteger(const Expr& e, long long& value) const;
    // Records v when it is a constant int usable in array sizes.
    void noteConstant(const VarDecl& v);
    std::string parseSemantic();
    void skipAnnotation();

    // Declarations.
    void topLevel();
    void parseStruct();
    void parseTypedef();
    void parseFunction(Type returnType, const std::string& name, int line);
    VarDeclPtr parseParameter();
    ExprPtr parseInitializer();

    // Statements.
    StmtPtr parseStatement();
    StmtPtr parseBlock();
    StmtPtr parseDeclaration(bool allowQualifiers);
    bool atDeclaration() const;

    // Expressions.
    ExprPtr parseExpression();
    ExprPtr parseAssignment();
    ExprPtr parseTernary();
    ExprPtr parseBinary(int minLevel);
    ExprPtr parseUnary();
    ExprPtr parsePostfix(ExprPtr base);
    ExprPtr parsePrimary();
    ExprPtr swizzledNumber(const Token& t);
    ExprPtr finish(ExprPtr e);
    void parseArguments(Expr& call);

    struct NestingGuard {
        Parser& p;
        explicit NestingGuard(Parser& parser) : p(parser) {
            if (++p.nesting > maxNesting) p.fail("the source is nested too deeply");
        }
        ~NestingGuard() { --p.nesting; }
    };

    TokenStream& source;
    // Tokens from position `base` on; a deque, so that references stay valid
    // as it grows. References to tokens more than keptBehind back are not held.
    static constexpr size_t keptBehind = 4096;
    mutable std::deque<Token> tokens;
    size_t base = 0;
    mutable bool ended = false;
    Diagnostics& diag;
    size_t pos = 0;
    int nesting = 0;
    mutable Token endToken;
    Module module;
    std::map<std::string, const StructInfo*> structNames;
    std::map<std::string, Type> typedefs;
    std::set<std::string> shadowedTypes;  // type names a variable of the current function hides
    std::map<std::string, long long> constantInts;
};

}  // namespace cgc
