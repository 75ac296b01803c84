// Splits source text into tokens. Comments become whitespace, backslash-newline
// joins lines; a newline outside a comment starts a new logical line.
#pragma once

#include <string>
#include <vector>

#include "compiler/diagnostics.h"
#include "compiler/token.h"

namespace cgc {

// The tokens of text, each with its physical line (first line is firstLine).
std::vector<Token> lexSource(const std::string& text, Diagnostics& diagnostics, int firstLine = 1);

}  // namespace cgc
