// The type checker's shared state, split over the files for expressions,
// calls, statements and the module.
#pragma once

#include <map>
#include <unordered_map>
#include <string>
#include <vector>

#include "base/diagnostics.h"
#include "parse/ast.h"

namespace cgc {

struct Builtin;

class Checker {
public:
    Checker(Module& m, Diagnostics& d) : module(m), diag(d) {}
    void run();

    // Expressions: check e in place and return it, possibly wrapped.
    ExprPtr check(ExprPtr e);
    // Checks e and converts it to `to`, reporting what does not convert.
    ExprPtr checkAs(ExprPtr e, const Type& to, const char* context);
    // Types an initializer (list or expression) for a variable of type `to`.
    ExprPtr checkInitializer(ExprPtr e, const Type& to);
    ExprPtr elidedBraces(ExprPtr list, const Type& to);
    ExprPtr convertOrReport(ExprPtr e, const Type& to, const char* context);
    ExprPtr toCondition(ExprPtr e, const char* context);
    // Warns when converting e to `to` drops components.
    void warnTruncation(const Expr& e, const Type& to);
    // Notes that the variable under target (through members and indices) is changed.
    void markWritten(Expr& target);

    // An undeclared name or function: an error outside functions; inside
    // one, kept on it for the entry analysis to report if reached.
    void reportUndeclared(int line, const std::string& message);
    // Something the profiles lack: kept on the function, refused where an entry reaches it.
    void markUnavailable(int line, const std::string& message);
    void refuseBitwise(int line);
    void checkName(Expr& e);
    // Makes sampler v name `value` (a sampler uniform, a member or constant
    // element of one); false, reported, for anything else.
    bool aliasSampler(const VarDecl& v, const Expr& value, int line);
    void checkUnary(Expr& e);
    void checkBinary(Expr& e);
    void checkAssign(Expr& e);
    void checkTernary(Expr& e);
    void checkMember(Expr& e);
    void checkIndex(Expr& e);
    void checkConstruct(Expr& e);
    void checkStructConstruct(Expr& e);
    void checkCast(Expr& e);
    void checkCall(Expr& e);
    void checkUserCall(Expr& e, const std::vector<FunctionDecl*>& candidates);
    void checkBuiltinCall(Expr& e, const Builtin& b);
    void checkTextureCall(Expr& e, const Builtin& b);
    void flattenInitList(ExprPtr e, std::vector<ExprPtr>& out, int& count);

    // Statements.
    void checkStatement(Stmt& s);
    void checkDeclaration(VarDecl& v, bool global);

    // Scopes.
    void pushScope() { scopes.emplace_back(); }
    void popScope() { scopes.pop_back(); }
    void declare(VarDecl& v);
    VarDecl* lookup(const std::string& name) const;

    void checkFunction(FunctionDecl& f);
    void resolveFunctions();

    Module& module;
    Diagnostics& diag;
    std::vector<std::unordered_map<std::string, VarDecl*>> scopes;
    // Hashed: every call looks its name up among all of the module's functions.
    std::unordered_map<std::string, std::vector<FunctionDecl*>> functions;
    FunctionDecl* current = nullptr;
    int loopDepth = 0;
};

// Whether two functions take the same parameter types and directions.
bool sameSignature(const FunctionDecl& a, const FunctionDecl& b);

}  // namespace cgc
