#include "preprocess/macro_expander.h"

#include "preprocess/lexer.h"

#include <iterator>

namespace cgc {
namespace {

int paramIndex(const Macro& macro, const Token& token) {
    if (token.kind != TokenKind::Identifier) return -1;
    for (size_t i = 0; i < macro.params.size(); ++i)
        if (macro.params[i] == token.text) return static_cast<int>(i);
    return -1;
}

std::string spell(const std::vector<Token>& tokens) {
    std::string text;
    for (const Token& t : tokens) {
        if (!text.empty() && t.spaceBefore) text += ' ';
        text += t.text;
    }
    return text;
}

}  // namespace

void MacroExpander::expand(std::vector<Token>& input, std::vector<Token>& output) {
    if (table.empty()) {
        output.insert(output.end(), std::make_move_iterator(input.begin()), std::make_move_iterator(input.end()));
        return;
    }
    std::set<std::string> active;
    expandRange(input, output, active, 0);
}

void MacroExpander::expandRange(std::vector<Token>& input, std::vector<Token>& output,
                                std::set<std::string>& active, int depth) {
    for (size_t i = 0; i < input.size(); ++i) {
        Token& token = input[i];
        auto found = token.kind == TokenKind::Identifier ? table.find(token.text) : table.end();
        if (found == table.end() || active.count(token.text)) {
            output.push_back(std::move(token));
            continue;
        }
        if (depth >= maxDepth) diag.fatal(token.line, "macro expansion is nested too deeply");
        // Copied: a body may redefine nothing, but the table may not move under us.
        const Macro macro = found->second;
        std::vector<std::vector<Token>> args;
        if (macro.functionLike) {
            size_t j = i + 1;
            if (j >= input.size() || !input[j].isPunct("(")) {
                output.push_back(std::move(token));  // a function-like name without arguments stays
                continue;
            }
            if (!collectArguments(input, j, macro, token, args)) continue;
            i = j;
        }
        std::vector<Token> body = substitute(macro, args, active, depth, token.line);
        active.insert(token.text);
        if (!body.empty()) {
            body.front().spaceBefore = token.spaceBefore;
            body.front().startsLine = token.startsLine;
        }
        expandRange(body, output, active, depth + 1);
        active.erase(token.text);
    }
}

bool MacroExpander::collectArguments(std::vector<Token>& input, size_t& i, const Macro& macro,
                                     const Token& name, std::vector<std::vector<Token>>& args) {
    // i is at "("; on success it is left at the matching ")".
    int level = 0;
    args.emplace_back();
    for (++i; i < input.size(); ++i) {
        Token& t = input[i];
        if (t.isPunct("(")) {
            ++level;
        } else if (t.isPunct(")")) {
            if (level == 0) break;
            --level;
        } else if (t.isPunct(",") && level == 0) {
            args.emplace_back();
            continue;
        }
        args.back().push_back(std::move(t));
    }
    if (i >= input.size()) {
        diag.error(name.line, "arguments of macro '" + name.text + "' are not closed");
        return false;
    }
    if (macro.params.empty() && args.size() == 1 && args[0].empty()) args.clear();
    if (args.size() != macro.params.size()) {
        diag.error(name.line, "macro '" + name.text + "' takes " + std::to_string(macro.params.size()) +
                                  " arguments, " + std::to_string(args.size()) + " given");
        return false;
    }
    return true;
}

Token MacroExpander::paste(const Token& left, const Token& right, int line) {
    Diagnostics scratch;
    std::vector<Token> joined = lexSource(left.text + right.text, scratch);
    if (joined.size() != 1 || scratch.hasErrors()) {
        diag.error(line, "'##' does not form a valid token from '" + left.text + "' and '" +
                             right.text + "'");
        return left;
    }
    Token token = joined[0];
    token.line = line;
    token.spaceBefore = left.spaceBefore;
    return token;
}

std::vector<Token> MacroExpander::substitute(const Macro& macro,
                                             const std::vector<std::vector<Token>>& args,
                                             std::set<std::string>& active, int depth, int line) {
    std::vector<Token> result;
    const std::vector<Token>& body = macro.body;
    for (size_t k = 0; k < body.size(); ++k) {
        const Token& t = body[k];
        if (macro.functionLike && t.isPunct("#") && k + 1 < body.size() &&
            paramIndex(macro, body[k + 1]) >= 0) {
            Token str;
            str.kind = TokenKind::String;
            str.text = "\"" + spell(args[paramIndex(macro, body[k + 1])]) + "\"";
            str.line = line;
            str.spaceBefore = t.spaceBefore;
            result.push_back(str);
            ++k;
            continue;
        }
        if (t.isPunct("##") && !result.empty() && k + 1 < body.size()) {
            const Token& rightToken = body[++k];
            int p = paramIndex(macro, rightToken);
            std::vector<Token> right = p >= 0 ? args[p] : std::vector<Token>{rightToken};
            if (!right.empty()) {
                Token joined = paste(result.back(), right.front(), line);
                result.back() = joined;
                for (size_t r = 1; r < right.size(); ++r) result.push_back(right[r]);
            }
            continue;
        }
        int p = paramIndex(macro, t);
        if (p >= 0) {
            bool pasted = k + 1 < body.size() && body[k + 1].isPunct("##");
            std::vector<Token> arg;
            if (pasted) {
                arg = args[p];
            } else {
                // Arguments are expanded fully before they are put in place.
                std::vector<Token> copy = args[p];
                expandRange(copy, arg, active, depth + 1);
            }
            for (size_t a = 0; a < arg.size(); ++a) {
                Token copy = arg[a];
                copy.line = line;
                if (a == 0) copy.spaceBefore = t.spaceBefore;
                result.push_back(copy);
            }
            continue;
        }
        Token copy = t;
        copy.line = line;
        result.push_back(copy);
    }
    produced += result.size();
    if (produced > maxTokens) diag.fatal(line, "macro expansion is too large");
    for (Token& t : result) t.startsLine = false;
    return result;
}

}  // namespace cgc
