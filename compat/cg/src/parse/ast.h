// The syntax tree. The parser builds it; the checker fills in the types and
// resolutions; the emitter reads both.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/types.h"
#include "parse/node_arena.h"
#include "base/operators.h"

namespace cgc {

struct VarDecl;
struct FunctionDecl;
struct Builtin;

enum class ExprKind {
    IntLiteral,
    FloatLiteral,
    BoolLiteral,
    Name,
    Unary,      // op: Negate, Plus, Not, BitNot, PreIncrement, PreDecrement
    Postfix,    // op: PostIncrement, PostDecrement
    Binary,     // op: the operator, Comma included
    Assign,     // op: Assign, AddAssign, ...
    Ternary,    // args: condition, then, else
    Call,       // text: function name
    Construct,  // float4(...), float3x3(...); targetType
    Cast,       // (float3)x; targetType
    Member,     // text: member or swizzle
    Index,      // args: base, index
    InitList,   // { a, b, ... }; typed by its context
    Convert     // inserted by the checker: args[0] converted to type
};

enum class MemberKind { None, StructMember, Swizzle, ScalarSwizzle, MatrixSwizzle };

struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

struct Expr {
    ExprKind kind;
    int line = 0;
    std::string text;  // names, called functions, members
    Op op = Op::None;
    std::vector<ExprPtr> args;
    Type targetType;
    long long intValue = 0;
    double floatValue = 0;

    // Filled by the checker.
    Type type;
    bool lvalue = false;
    const VarDecl* var = nullptr;
    const FunctionDecl* function = nullptr;
    const Builtin* builtin = nullptr;
    MemberKind memberKind = MemberKind::None;
    std::vector<int> components;  // swizzle: indices; matrix swizzle: row, col pairs
    int depth = 1;                // nesting depth of this subtree, bounded by the parser

    Expr(ExprKind k, int l) : kind(k), line(l) {}
    static void* operator new(std::size_t size) { return NodeArena::allocate(size); }
    static void operator delete(void* node) noexcept { NodeArena::release(node); }
};

struct VarDecl {
    std::string name;
    Type type;
    ExprPtr init;
    std::string semantic;  // upper case
    int line = 0;
    bool isConst = false;
    bool isStatic = false;
    bool isUniform = false;
    bool isGlobal = false;
    bool isParam = false;
    bool isIn = true;   // parameters
    bool isOut = false;
    mutable bool written = false;  // set by the checker: assigned or passed as out somewhere
};
using VarDeclPtr = std::unique_ptr<VarDecl>;

enum class StmtKind { Block, Expr, Decl, If, For, While, DoWhile, Return, Discard, Break, Continue, Empty };

struct Stmt;
using StmtPtr = std::unique_ptr<Stmt>;

struct Stmt {
    StmtKind kind;
    int line = 0;
    std::vector<StmtPtr> body;       // block
    std::vector<VarDeclPtr> decls;   // declaration
    ExprPtr expr;                    // expression, condition, return value
    ExprPtr step;                    // for
    StmtPtr init;                    // for
    StmtPtr then, otherwise;         // if; loop body in then
    Stmt(StmtKind k, int l) : kind(k), line(l) {}
    static void* operator new(std::size_t size) { return NodeArena::allocate(size); }
    static void operator delete(void* node) noexcept { NodeArena::release(node); }
};

struct FunctionDecl {
    std::string name;
    Type returnType;
    std::string returnSemantic;
    std::vector<VarDeclPtr> params;
    StmtPtr body;  // null for a prototype
    int line = 0;

    // Filled by the checker.
    const FunctionDecl* definition = nullptr;  // for prototypes
    std::vector<const FunctionDecl*> calls;
    int discardLine = 0, textureLine = 0, derivativeLine = 0;
    int unavailableLine = 0;       // a call GLSL 1.20 cannot express, reported if reached
    std::string unavailableName;
    int overloadIndex = 0;
};
using FunctionDeclPtr = std::unique_ptr<FunctionDecl>;

struct Module {
    std::vector<std::unique_ptr<StructInfo>> structs;
    std::vector<VarDeclPtr> globals;
    std::vector<FunctionDeclPtr> functions;
};

}  // namespace cgc
