// Splits source text into tokens. Comments become whitespace, backslash-newline
// joins lines; a newline outside a comment starts a new logical line.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/diagnostics.h"
#include "base/token.h"

namespace cgc {

// Reads text one logical line at a time; text must outlive the lexer.
class Lexer {
public:
    Lexer(const std::string& text, Diagnostics& diagnostics, int firstLine);
    ~Lexer();
    // Appends the tokens of the next line that has any, at most limit of
    // them (midLine() then tells that the line goes on); false at the end.
    bool nextLine(std::vector<Token>& tokens, size_t limit);
    bool midLine() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl;
};

// The tokens of text, each with its physical line (first line is firstLine).
std::vector<Token> lexSource(const std::string& text, Diagnostics& diagnostics, int firstLine = 1);

}  // namespace cgc
