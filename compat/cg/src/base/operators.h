// The operators, decoded once by the parser so that the checker and the
// emitter switch on them instead of comparing spellings.
#pragma once

#include <string>

namespace cgc {

enum class Op {
    None,
    // Unary, prefix.
    Negate, Plus, Not, BitNot, PreIncrement, PreDecrement,
    // Postfix.
    PostIncrement, PostDecrement,
    // Binary, lowest precedence first.
    Comma, Or, And, BitOr, BitXor, BitAnd, Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
    ShiftLeft, ShiftRight, Add, Subtract, Multiply, Divide, Modulo,
    // Assignments.
    Assign, AddAssign, SubtractAssign, MultiplyAssign, DivideAssign, ModuloAssign, AndAssign, OrAssign,
    XorAssign, ShiftLeftAssign, ShiftRightAssign
};

// The Cg (and GLSL) spelling: "+=", "&&", "++".
const char* spelling(Op op);

// Decoding of a punctuator; Op::None when it is no operator of that kind.
Op prefixOperator(const std::string& text);
Op binaryOperator(const std::string& text);  // without the comma
Op assignmentOperator(const std::string& text);

// Binary precedence, 0 for "||" up to 9 for "*", "/", "%"; -1 otherwise.
int precedence(Op op);
// The operator a compound assignment applies: Add for AddAssign.
Op arithmeticOf(Op assignment);

bool isComparison(Op op);
bool isBitwise(Op op);  // including the shifts and their assignments
bool isLogical(Op op);  // "&&", "||"

}  // namespace cgc
