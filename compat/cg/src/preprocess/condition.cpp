#include "preprocess/condition.h"

#include <cstdlib>
#include <string>

#include "base/operators.h"

namespace cgc {
namespace {

struct BadCondition {
    std::string message;
};

class ConditionParser {
public:
    ConditionParser(const std::vector<Token>& t) : tokens(t) {}

    long long parse() {
        long long v = ternary(0);
        if (pos < tokens.size()) throw BadCondition{"unexpected '" + tokens[pos].text + "' in #if"};
        return v;
    }

private:
    const std::vector<Token>& tokens;
    size_t pos = 0;

    bool accept(const char* p) {
        if (pos < tokens.size() && tokens[pos].isPunct(p)) {
            ++pos;
            return true;
        }
        return false;
    }

    static void guard(int depth) {
        if (depth > 200) throw BadCondition{"#if expression is nested too deeply"};
    }

    long long ternary(int depth) {
        guard(depth);
        long long c = binary(0, depth);
        if (!accept("?")) return c;
        long long a = ternary(depth + 1);
        if (!accept(":")) throw BadCondition{"expected ':' in #if"};
        long long b = ternary(depth + 1);
        return c ? a : b;
    }

    // The parser's operators and precedence: #if and the language agree on
    // how "a | b == c" groups.
    long long binary(int minLevel, int depth) {
        long long left = unary(depth + 1);
        while (pos < tokens.size() && tokens[pos].kind == TokenKind::Punct) {
            Op op = binaryOperator(tokens[pos].text);
            int level = precedence(op);
            if (level < 0 || level < minLevel) break;
            ++pos;
            long long right = binary(level + 1, depth + 1);
            left = apply(op, left, right);
        }
        return left;
    }

    static long long apply(Op op, long long a, long long b) {
        // Unsigned arithmetic wraps instead of overflowing.
        unsigned long long ua = static_cast<unsigned long long>(a), ub = static_cast<unsigned long long>(b);
        switch (op) {
        case Op::Or: return a || b;
        case Op::And: return a && b;
        case Op::BitOr: return a | b;
        case Op::BitXor: return a ^ b;
        case Op::BitAnd: return a & b;
        case Op::Equal: return a == b;
        case Op::NotEqual: return a != b;
        case Op::Less: return a < b;
        case Op::Greater: return a > b;
        case Op::LessEqual: return a <= b;
        case Op::GreaterEqual: return a >= b;
        case Op::ShiftLeft: return static_cast<long long>(ua << (ub & 63));
        case Op::ShiftRight: return a >> (ub & 63);
        case Op::Add: return static_cast<long long>(ua + ub);
        case Op::Subtract: return static_cast<long long>(ua - ub);
        case Op::Multiply: return static_cast<long long>(ua * ub);
        default: break;
        }
        if (b == 0) throw BadCondition{"division by zero in #if"};
        if (a == (-9223372036854775807LL - 1) && b == -1) return op == Op::Divide ? a : 0;
        return op == Op::Divide ? a / b : a % b;
    }

    long long unary(int depth) {
        guard(depth);
        if (pos < tokens.size() && tokens[pos].kind == TokenKind::Punct) {
            Op op = prefixOperator(tokens[pos].text);
            if (op == Op::Negate || op == Op::Plus || op == Op::Not || op == Op::BitNot) {
                ++pos;
                long long v = unary(depth + 1);
                if (op == Op::Negate) return static_cast<long long>(0ull - static_cast<unsigned long long>(v));
                if (op == Op::Not) return !v;
                if (op == Op::BitNot) return ~v;
                return v;
            }
        }
        if (accept("(")) {
            long long v = ternary(depth + 1);
            if (!accept(")")) throw BadCondition{"expected ')' in #if"};
            return v;
        }
        if (pos >= tokens.size()) throw BadCondition{"#if expression ends too early"};
        const Token& t = tokens[pos++];
        if (t.kind == TokenKind::Identifier) return 0;
        if (t.kind == TokenKind::Number) return number(t.text);
        throw BadCondition{"unexpected '" + t.text + "' in #if"};
    }

    static long long number(const std::string& text) {
        std::string digits = text;
        while (!digits.empty() && (digits.back() == 'u' || digits.back() == 'U' ||
                                   digits.back() == 'l' || digits.back() == 'L'))
            digits.pop_back();
        char* end = nullptr;
        unsigned long long v = std::strtoull(digits.c_str(), &end, 0);
        if (digits.empty() || *end != '\0') throw BadCondition{"'" + text + "' is not an integer"};
        return static_cast<long long>(v);
    }
};

}  // namespace

bool evaluateCondition(const std::vector<Token>& tokens, int line, Diagnostics& diagnostics,
                       long long& value) {
    if (tokens.empty()) {
        diagnostics.error(line, "#if without an expression");
        return false;
    }
    try {
        value = ConditionParser(tokens).parse();
        return true;
    } catch (const BadCondition& bad) {
        diagnostics.error(line, bad.message);
        return false;
    }
}

}  // namespace cgc
