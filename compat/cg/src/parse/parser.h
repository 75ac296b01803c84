// Recursive-descent parser from preprocessed tokens to the syntax tree.
// Stops at the first syntax error (reported with its line).
#pragma once

#include <vector>

#include "base/diagnostics.h"
#include "base/token.h"
#include "parse/ast.h"
#include "preprocess/preprocessor.h"

namespace cgc {

Module parse(TokenStream& tokens, Diagnostics& diagnostics);

// Classifies a numeric literal; false when it is malformed or out of range.
bool parseNumber(const std::string& text, bool& isFloat, long long& intValue, double& floatValue,
                 std::string& problem);

}  // namespace cgc
