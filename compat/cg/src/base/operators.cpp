#include "base/operators.h"

#include <cstring>

namespace cgc {
namespace {

struct OperatorInfo {
    Op op;
    const char* text;
};

const OperatorInfo prefixes[] = {{Op::Negate, "-"}, {Op::Plus, "+"}, {Op::Not, "!"}, {Op::BitNot, "~"},
                                 {Op::PreIncrement, "++"}, {Op::PreDecrement, "--"}};
const OperatorInfo binaries[] = {
    {Op::Or, "||"}, {Op::And, "&&"}, {Op::BitOr, "|"}, {Op::BitXor, "^"}, {Op::BitAnd, "&"},
    {Op::Equal, "=="}, {Op::NotEqual, "!="}, {Op::Less, "<"}, {Op::Greater, ">"}, {Op::LessEqual, "<="},
    {Op::GreaterEqual, ">="}, {Op::ShiftLeft, "<<"}, {Op::ShiftRight, ">>"}, {Op::Add, "+"},
    {Op::Subtract, "-"}, {Op::Multiply, "*"}, {Op::Divide, "/"}, {Op::Modulo, "%"}};
const OperatorInfo assignments[] = {
    {Op::Assign, "="}, {Op::AddAssign, "+="}, {Op::SubtractAssign, "-="}, {Op::MultiplyAssign, "*="},
    {Op::DivideAssign, "/="}, {Op::ModuloAssign, "%="}, {Op::AndAssign, "&="}, {Op::OrAssign, "|="},
    {Op::XorAssign, "^="}, {Op::ShiftLeftAssign, "<<="}, {Op::ShiftRightAssign, ">>="}};

template <size_t N>
Op decode(const OperatorInfo (&table)[N], const std::string& text) {
    if (text.empty() || text.size() > 3) return Op::None;
    // Parentheses, commas and semicolons, the usual punctuation after an
    // operand, start no operator: no table scan for them.
    if (!std::strchr("|&^=!<>+-*/%~", text[0])) return Op::None;
    for (const OperatorInfo& o : table)
        if (text[0] == o.text[0] && std::strcmp(text.c_str(), o.text) == 0) return o.op;
    return Op::None;
}

}  // namespace

const char* spelling(Op op) {
    switch (op) {
    case Op::None: return "";
    case Op::Negate: return "-";
    case Op::Plus: return "+";
    case Op::Not: return "!";
    case Op::BitNot: return "~";
    case Op::PreIncrement: case Op::PostIncrement: return "++";
    case Op::PreDecrement: case Op::PostDecrement: return "--";
    case Op::Comma: return ",";
    default: break;
    }
    for (const OperatorInfo& o : binaries)
        if (o.op == op) return o.text;
    for (const OperatorInfo& o : assignments)
        if (o.op == op) return o.text;
    return "";
}

Op prefixOperator(const std::string& text) { return decode(prefixes, text); }
Op binaryOperator(const std::string& text) { return decode(binaries, text); }
Op assignmentOperator(const std::string& text) { return decode(assignments, text); }

int precedence(Op op) {
    switch (op) {
    case Op::Or: return 0;
    case Op::And: return 1;
    case Op::BitOr: return 2;
    case Op::BitXor: return 3;
    case Op::BitAnd: return 4;
    case Op::Equal: case Op::NotEqual: return 5;
    case Op::Less: case Op::Greater: case Op::LessEqual: case Op::GreaterEqual: return 6;
    case Op::ShiftLeft: case Op::ShiftRight: return 7;
    case Op::Add: case Op::Subtract: return 8;
    case Op::Multiply: case Op::Divide: case Op::Modulo: return 9;
    default: return -1;
    }
}

Op arithmeticOf(Op assignment) {
    switch (assignment) {
    case Op::AddAssign: return Op::Add;
    case Op::SubtractAssign: return Op::Subtract;
    case Op::MultiplyAssign: return Op::Multiply;
    case Op::DivideAssign: return Op::Divide;
    case Op::ModuloAssign: return Op::Modulo;
    case Op::AndAssign: return Op::BitAnd;
    case Op::OrAssign: return Op::BitOr;
    case Op::XorAssign: return Op::BitXor;
    case Op::ShiftLeftAssign: return Op::ShiftLeft;
    case Op::ShiftRightAssign: return Op::ShiftRight;
    default: return Op::None;
    }
}

bool isComparison(Op op) {
    return op == Op::Equal || op == Op::NotEqual || op == Op::Less || op == Op::Greater || op == Op::LessEqual ||
           op == Op::GreaterEqual;
}

bool isBitwise(Op op) {
    switch (op) {
    case Op::BitNot: case Op::BitOr: case Op::BitXor: case Op::BitAnd: case Op::ShiftLeft: case Op::ShiftRight:
    case Op::AndAssign: case Op::OrAssign: case Op::XorAssign: case Op::ShiftLeftAssign: case Op::ShiftRightAssign:
        return true;
    default: return false;
    }
}

bool isLogical(Op op) { return op == Op::And || op == Op::Or; }

}  // namespace cgc
