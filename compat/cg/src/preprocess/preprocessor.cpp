#include "preprocess/preprocessor.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <cstdlib>
#include <iterator>
#include <set>

#include "preprocess/condition.h"
#include "preprocess/include_files.h"
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

// One file being read: its text, where the lexer is, and what to restore
// when it ends.
struct OpenFile {
    std::string ownText;  // included files; the main source is the caller's
    const std::string* text;
    std::string path;
    int depth;
    size_t outerConditionals;
    std::unique_ptr<Lexer> lexer;
    bool inLine = false;  // the last chunk stopped inside a line
};

class Preprocessor : public TokenStream {
public:
    static constexpr int maxIncludeDepth = 32;
    // Bounds on all files read by one compile: a file that includes another
    // twice, which includes the next twice, and so on, would otherwise read
    // 2^32 files within the depth limit.
    static constexpr int maxInclusions = 4096;
    static constexpr size_t maxIncludedBytes = 64u << 20;
    // Tokens lexed per step: a line of any length passes in pieces.
    static constexpr size_t chunk = 4096;

    Preprocessor(const std::string& source, Diagnostics& d, const PreprocessOptions& o)
        : diag(d), options(o), expander(d) {
        for (const auto& [name, value] : options.defines) {
            Macro m;
            m.body = lexSource(value, diag, 0);
            expander.macros()[name] = m;
        }
        open(nullptr, &source, options.path, 0);
    }

    bool next(std::deque<Token>& tokens) override {
        ready.clear();
        while (ready.empty())
            if (!step()) return false;
        tokens.insert(tokens.end(), std::make_move_iterator(ready.begin()), std::make_move_iterator(ready.end()));
        return true;
    }

private:
    Diagnostics& diag;
    const PreprocessOptions& options;
    MacroExpander expander;
    std::vector<Conditional> stack;
    std::vector<std::unique_ptr<OpenFile>> files;
    std::vector<Token> ready;  // expanded, waiting for the parser
    // Source tokens held back while a macro name may still take arguments.
    std::vector<Token> pending;
    bool afterMacroName = false;
    int callParens = 0;
    std::vector<Token> line;
    std::set<std::string> once;  // files that said #pragma once
    std::string currentPath;
    int inclusions = 0;
    size_t includedBytes = 0;

    bool active() const { return stack.empty() || stack.back().active; }

    void flush() {
        if (!pending.empty()) expander.expand(pending, ready);
        pending.clear();
        afterMacroName = false;
        callParens = 0;
    }

    void open(std::string* owned, const std::string* text, const std::string& path, int depth) {
        auto f = std::make_unique<OpenFile>();
        if (owned) {
            f->ownText = std::move(*owned);
            f->text = &f->ownText;
        } else {
            f->text = text;
        }
        f->path = path;
        f->depth = depth;
        f->outerConditionals = stack.size();
        int lines = static_cast<int>(std::min<size_t>(std::count(f->text->begin(), f->text->end(), '\n'), INT_MAX / 2));
        f->lexer = std::make_unique<Lexer>(*f->text, diag, diag.addSource(path, lines));
        files.push_back(std::move(f));
        currentPath = path;
    }

    void close() {
        flush();
        OpenFile& f = *files.back();
        if (stack.size() > f.outerConditionals) {
            diag.error(stack.back().line, "#if is not closed by #endif");
            stack.resize(f.outerConditionals);
        }
        files.pop_back();
        currentPath = files.empty() ? std::string() : files.back()->path;
    }

    // Reads one piece of the current file; false when all files are done.
    bool step() {
        if (files.empty()) return false;
        OpenFile& f = *files.back();
        line.clear();
        if (!f.lexer->nextLine(line, chunk)) {
            close();
            return true;
        }
        bool continues = f.inLine;
        f.inLine = f.lexer->midLine();
        if (!continues && line[0].isPunct("#")) {
            while (f.inLine) {  // a directive is taken whole
                f.lexer->nextLine(line, SIZE_MAX);
                f.inLine = false;
            }
            flush();
            int nextLine = lineOfLocation(line.back().line) + 1;
            line.erase(line.begin());
            directive(line.empty() ? Token() : line[0], line, nextLine);
            return true;
        }
        if (!active()) return true;
        bool macros = !expander.macros().empty();
        if (macros)
            for (const Token& t : line) track(t);
        if (pending.empty() && !afterMacroName && callParens == 0) {
            expander.expand(line, ready);  // nothing held back: no copy through pending
            return true;
        }
        for (Token& t : line) pending.push_back(std::move(t));
        if (!afterMacroName && callParens == 0) flush();
        return true;
    }

    // Follows macro calls, which may go on over later lines.
    void track(const Token& t) {
        if (afterMacroName) {
            afterMacroName = false;
            if (t.isPunct("(")) {
                callParens = 1;
                return;
            }
        }
        if (callParens > 0) {
            if (t.isPunct("(")) ++callParens;
            else if (t.isPunct(")")) --callParens;
            return;
        }
        if (t.kind == TokenKind::Identifier && expander.macros().count(t.text)) afterMacroName = true;
    }

    // nextLine is the location of the line after the directive.
    void directive(const Token& first, std::vector<Token>& args, int nextLine) {
        int line = args.empty() ? locationAt(nextLine - 1, 1) : first.line;
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
        else if (d == "include") include(rest, line);
        else if (d == "pragma") {
            if (rest.size() == 1 && rest[0].isIdent("once")) once.insert(currentPath);
        } else if (d == "warning") diag.warning(line, "#warning " + spell(rest));
        else diag.error(line, "unknown directive '#" + d + "'");
    }

    void include(const std::vector<Token>& rest, int line) {
        std::vector<Token> expanded;
        const std::vector<Token>* words = &rest;
        if (!rest.empty() && rest[0].kind == TokenKind::Identifier) {  // #include MACRO
            std::vector<Token> copy = rest;
            expander.expand(copy, expanded);
            words = &expanded;
        }
        std::string name;
        bool quoted = false;
        if (words->size() == 1 && (*words)[0].kind == TokenKind::String) {
            const std::string& s = (*words)[0].text;
            name = s.substr(1, s.size() - 2);
            quoted = true;
        } else if (words->size() >= 3 && (*words)[0].isPunct("<") && words->back().isPunct(">")) {
            for (size_t i = 1; i + 1 < words->size(); ++i) name += (*words)[i].text;
        } else {
            diag.error(line, "#include needs a file name in quotes or angle brackets");
            return;
        }
        if (files.back()->depth + 1 > maxIncludeDepth) {
            diag.fatal(line, "#include is nested more than " + std::to_string(maxIncludeDepth) +
                                 " deep: does '" + name + "' include itself?");
        }
        std::string path, text;
        if (!findInclude(name, quoted, currentPath, options.includeDirs, options.includeSource, path, text)) {
            diag.error(line, "cannot open include file '" + name + "'");
            return;
        }
        if (once.count(path)) return;
        includedBytes += text.size();
        if (++inclusions > maxInclusions || includedBytes > maxIncludedBytes)
            diag.fatal(line, "the #include files are too many or too large (at most " + std::to_string(maxInclusions) +
                                 " files and " + std::to_string(maxIncludedBytes >> 20) + " MB in all)");
        open(&text, nullptr, path, files.back()->depth + 1);
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

    void lineDirective(const std::vector<Token>& rest, int line, int nextLine) {
        std::vector<Token> expanded, copy = rest;
        expander.expand(copy, expanded);
        char* end = nullptr;
        long value = expanded.empty() || expanded[0].kind != TokenKind::Number
                         ? -1
                         : std::strtol(expanded[0].text.c_str(), &end, 10);
        bool named = expanded.size() == 2 && expanded[1].kind == TokenKind::String;
        if (value < 0 || value > (1L << 30) || (end && *end != '\0') || (expanded.size() > 1 && !named)) {
            diag.error(line, "#line needs a line number and, optionally, a file name");
            return;
        }
        std::string path = named ? expanded[1].text.substr(1, expanded[1].text.size() - 2) : currentPath;
        diag.renumber(nextLine, path, static_cast<int>(value));
    }
};

}  // namespace

std::unique_ptr<TokenStream> preprocess(const std::string& source, const PreprocessOptions& options,
                                        Diagnostics& diagnostics) {
    return std::make_unique<Preprocessor>(source, diagnostics, options);
}

}  // namespace cgc
