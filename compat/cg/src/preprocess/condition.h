// Evaluates the integer expression of #if and #elif.
#pragma once

#include <vector>

#include "base/diagnostics.h"
#include "base/token.h"

namespace cgc {

// tokens are already macro-expanded, with "defined" resolved; any identifier
// left counts as 0. Returns false (after a diagnostic) when malformed.
bool evaluateCondition(const std::vector<Token>& tokens, int line, Diagnostics& diagnostics,
                       long long& value);

}  // namespace cgc
