// The preprocessor: directives, conditional sections and macro expansion.
// Lines in the result follow #line.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "compiler/diagnostics.h"
#include "compiler/token.h"

namespace cgc {

// defines are (name, value) pairs set before the first line, as -D does.
std::vector<Token> preprocess(const std::string& source,
                              const std::vector<std::pair<std::string, std::string>>& defines,
                              Diagnostics& diagnostics);

}  // namespace cgc
