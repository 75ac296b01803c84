#include "preprocess/preprocessor.h"

#include <cstdlib>

#include "preprocess/condition.h"
#include "preprocess/lexer.h"
#include "preprocess/macro_expander.h"

namespace cgc {
namespace {

struct Conditional {
    bool active;       // this section's text is compiled
    bool taken;        // some branch of this #if was active
    bool seenElse;
    bool parentActive;
    int line;
};

class Preprocessor {
public:
    Preprocessor(Diagnostics& d) : diag(d), expander(d) {}

    std::vector<Token> run(const std::string& source,
                           const std::vector<std::pair<std::string, std::string>>& defines) {
        for (const auto& [name, value] : defines) {
            Macro m;
            m.body = lexSource(value, diag, 0);
            expander.macros()[name] = m;
        }
        std::vector<Token> tokens = lexSource(source, diag);
        std::vector<Token> pending;
        size_t i = 0;
        while (i < tokens.size()) {
            if (tokens[i].isPunct("#") && tokens[i].startsLine) {
                flush(pending);
                size_t end = i + 1;
                while (end < tokens.size() && !tokens[end].startsLine) ++end;
                std::vector<Token> line(tokens.begin() + static_cast<long>(i) + 1,
                                        tokens.begin() + static_cast<long>(end));
                directive(tokens[i], line, tokens[end - 1].line + 1);
                i = end;
                continue;
            }
            if (active()) {
                Token t = tokens[i];
                t.line += lineDelta;
                pending.push_back(t);
            }
            ++i;
        }
        flush(pending);
        if (!stack.empty()) diag.error(stack.back().line, "#if is not closed by #endif");
        return std::move(output);
    }

private:
    Diagnostics& diag;
    MacroExpander expander;
    std::vector<Conditional> stack;
    std::vector<Token> output;
    int lineDelta = 0;  // set by #line

    bool active() const { return stack.empty() || stack.back().active; }

    void flush(std::vector<Token>& pending) {
        expander.expand(pending, output);
        pending.clear();
    }

    // nextLine is the physical line of the token after the directive.
    void directive(const Token& hash, std::vector<Token> args, int nextLine) {
        int line = hash.line + lineDelta;
        for (Token& t : args) t.line += lineDelta;
        if (args.empty()) return;  // the null directive
        const Token& name = args[0];
        std::vector<Token> rest(args.begin() + 1, args.end());
        const std::string& d = name.text;
        if (d == "if" || d == "ifdef" || d == "ifndef") {
            bool value = false;
            if (active()) value = d == "if" ? condition(rest, line) : definedTest(d, rest, line);
            stack.push_back({active() && value, value, false, active(), line});
            return;
        }
        if (d == "elif" || d == "else" || d == "endif") {
            if (stack.empty()) {
                diag.error(line, "#" + d + " without #if");
                return;
            }
            Conditional& c = stack.back();
            if (d == "endif") {
                stack.pop_back();
            } else if (c.seenElse) {
                diag.error(line, "#" + d + " after #else");
            } else if (d == "else") {
                c.seenElse = true;
                c.active = c.parentActive && !c.taken;
                c.taken = true;
            } else {
                bool value = c.parentActive && !c.taken && condition(rest, line);
                c.active = value;
                c.taken = c.taken || value;
            }
            return;
        }
        if (!active()) return;
        if (d == "define") define(rest, line);
        else if (d == "undef") undef(rest, line);
        else if (d == "error") diag.error(line, "#error " + spell(rest));
        else if (d == "line") lineDirective(rest, line, nextLine);
        else if (d == "pragma" || d == "warning") {
            if (d == "warning") diag.warning(line, "#warning " + spell(rest));
        } else if (d == "include") diag.error(line, "#include is not supported: pass the whole source");
        else diag.error(line, "unknown directive '#" + d + "'");
    }

    static std::string spell(const std::vector<Token>& tokens) {
        std::string text;
        for (const Token& t : tokens) {
            if (!text.empty() && t.spaceBefore) text += ' ';
            text += t.text;
        }
        return text;
    }

    bool definedTest(const std::string& d, const std::vector<Token>& rest, int line) {
        if (rest.empty() || rest[0].kind != TokenKind::Identifier) {
            diag.error(line, "#" + d + " needs a macro name");
            return false;
        }
        bool defined = expander.isDefined(rest[0].text);
        return d == "ifdef" ? defined : !defined;
    }

    bool condition(const std::vector<Token>& rest, int line) {
        // "defined X" and "defined(X)" are resolved before expansion.
        std::vector<Token> resolved;
        for (size_t i = 0; i < rest.size(); ++i) {
            if (!rest[i].isIdent("defined")) {
                resolved.push_back(rest[i]);
                continue;
            }
            size_t j = i + 1;
            bool paren = j < rest.size() && rest[j].isPunct("(");
            if (paren) ++j;
            if (j >= rest.size() || rest[j].kind != TokenKind::Identifier ||
                (paren && (j + 1 >= rest.size() || !rest[j + 1].isPunct(")")))) {
                diag.error(line, "'defined' needs a macro name");
                return false;
            }
            Token value = rest[i];
            value.kind = TokenKind::Number;
            value.text = expander.isDefined(rest[j].text) ? "1" : "0";
            resolved.push_back(value);
            i = paren ? j + 1 : j;
        }
        std::vector<Token> expanded;
        expander.expand(resolved, expanded);
        long long value = 0;
        return evaluateCondition(expanded, line, diag, value) && value != 0;
    }

    void define(const std::vector<Token>& rest, int line) {
        if (rest.empty() || rest[0].kind != TokenKind::Identifier) {
            diag.error(line, "#define needs a macro name");
            return;
        }
        const std::string& name = rest[0].text;
        if (name == "defined") {
            diag.error(line, "'defined' cannot be a macro name");
            return;
        }
        Macro m;
        m.line = line;
        size_t i = 1;
        // A "(" right after the name, with no space, opens a parameter list.
        if (i < rest.size() && rest[i].isPunct("(") && !rest[i].spaceBefore) {
            m.functionLike = true;
            ++i;
            bool closed = false;
            while (i < rest.size()) {
                if (rest[i].isPunct(")") && m.params.empty()) {
                    closed = true;
                    ++i;
                    break;
                }
                if (rest[i].kind != TokenKind::Identifier) break;
                m.params.push_back(rest[i].text);
                ++i;
                if (i < rest.size() && rest[i].isPunct(",")) {
                    ++i;
                    continue;
                }
                if (i < rest.size() && rest[i].isPunct(")")) {
                    closed = true;
                    ++i;
                }
                break;
            }
            if (!closed) {
                diag.error(line, "bad parameter list in macro '" + name + "'");
                return;
            }
        }
        m.body.assign(rest.begin() + static_cast<long>(i), rest.end());
        if (!m.body.empty() && (m.body.front().isPunct("##") || m.body.back().isPunct("##"))) {
            diag.error(line, "'##' cannot start or end a macro");
            return;
        }
        auto old = expander.macros().find(name);
        if (old != expander.macros().end() &&
            (spell(old->second.body) != spell(m.body) || old->second.params != m.params))
            diag.warning(line, "macro '" + name + "' redefined");
        expander.macros()[name] = m;
    }

    void undef(const std::vector<Token>& rest, int line) {
        if (rest.empty() || rest[0].kind != TokenKind::Identifier) {
            diag.error(line, "#undef needs a macro name");
            return;
        }
        expander.macros().erase(rest[0].text);
    }

    void lineDirective(const std::vector<Token>& rest, int line, int nextPhysicalLine) {
        std::vector<Token> expanded;
        expander.expand(rest, expanded);
        char* end = nullptr;
        long value = expanded.empty() || expanded[0].kind != TokenKind::Number
                         ? -1
                         : std::strtol(expanded[0].text.c_str(), &end, 10);
        if (value < 0 || value > (1L << 30) || (end && *end != '\0')) {
            diag.error(line, "#line needs a line number");
            return;
        }
        lineDelta = static_cast<int>(value) - nextPhysicalLine;
    }
};

}  // namespace

std::vector<Token> preprocess(const std::string& source,
                              const std::vector<std::pair<std::string, std::string>>& defines,
                              Diagnostics& diagnostics) {
    return Preprocessor(diagnostics).run(source, defines);
}

}  // namespace cgc
