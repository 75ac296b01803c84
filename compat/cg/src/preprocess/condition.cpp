#include "preprocess/condition.h"

#include <cstdlib>
#include <string>

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

    static int precedence(const std::string& op) {
        static const char* const levels[][5] = {
            {"||"}, {"&&"}, {"|"}, {"^"}, {"&"}, {"==", "!="}, {"<", ">", "<=", ">="},
            {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"}};
        for (int level = 0; level < 10; ++level)
            for (const char* o : levels[level])
                if (o && op == o) return level;
        return -1;
    }

    long long binary(int minLevel, int depth) {
        long long left = unary(depth + 1);
        while (pos < tokens.size() && tokens[pos].kind == TokenKind::Punct) {
            std::string op = tokens[pos].text;
            int level = precedence(op);
            if (level < minLevel) break;
            ++pos;
            long long right = binary(level + 1, depth + 1);
            left = apply(op, left, right);
        }
        return left;
    }

    static long long apply(const std::string& op, long long a, long long b) {
        // Unsigned arithmetic wraps instead of overflowing.
        unsigned long long ua = static_cast<unsigned long long>(a), ub = static_cast<unsigned long long>(b);
        if (op == "||") return a || b;
        if (op == "&&") return a && b;
        if (op == "|") return a | b;
        if (op == "^") return a ^ b;
        if (op == "&") return a & b;
        if (op == "==") return a == b;
        if (op == "!=") return a != b;
        if (op == "<") return a < b;
        if (op == ">") return a > b;
        if (op == "<=") return a <= b;
        if (op == ">=") return a >= b;
        if (op == "<<") return static_cast<long long>(ua << (ub & 63));
        if (op == ">>") return a >> (ub & 63);
        if (op == "+") return static_cast<long long>(ua + ub);
        if (op == "-") return static_cast<long long>(ua - ub);
        if (op == "*") return static_cast<long long>(ua * ub);
        if (b == 0) throw BadCondition{"division by zero in #if"};
        if (a == (-9223372036854775807LL - 1) && b == -1) return op == "/" ? a : 0;
        return op == "/" ? a / b : a % b;
    }

    long long unary(int depth) {
        guard(depth);
        if (accept("-")) return static_cast<long long>(0ull - static_cast<unsigned long long>(unary(depth + 1)));
        if (accept("+")) return unary(depth + 1);
        if (accept("!")) return !unary(depth + 1);
        if (accept("~")) return ~unary(depth + 1);
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
