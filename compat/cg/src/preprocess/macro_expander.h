// Macro definitions and their expansion, with limits on nesting and growth so
// that self-feeding definitions end with a diagnostic instead of a hang.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/diagnostics.h"
#include "base/token.h"

namespace cgc {

struct Macro {
    bool functionLike = false;
    std::vector<std::string> params;
    std::vector<Token> body;
    int line = 0;
};

class MacroExpander {
public:
    static constexpr int maxDepth = 64;
    // Tokens that expansions may produce per compile; the source's own
    // tokens do not count.
    static constexpr size_t maxTokens = 1u << 21;

    explicit MacroExpander(Diagnostics& diagnostics) : diag(diagnostics) {}

    std::map<std::string, Macro>& macros() { return table; }
    const std::map<std::string, Macro>& macros() const { return table; }
    bool isDefined(const std::string& name) const { return table.count(name) != 0; }

    // Appends the expansion of input to output; input's tokens are moved.
    void expand(std::vector<Token>& input, std::vector<Token>& output);

private:
    Diagnostics& diag;
    std::map<std::string, Macro> table;
    size_t produced = 0;

    void expandRange(std::vector<Token>& input, std::vector<Token>& output,
                     std::set<std::string>& active, int depth);
    bool collectArguments(std::vector<Token>& input, size_t& i, const Macro& macro,
                          const Token& name, std::vector<std::vector<Token>>& args);
    std::vector<Token> substitute(const Macro& macro, const std::vector<std::vector<Token>>& args,
                                  std::set<std::string>& active, int depth, int line);
    Token paste(const Token& left, const Token& right, int line);
};

}  // namespace cgc
