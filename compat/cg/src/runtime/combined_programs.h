// cgCombinePrograms: one program handle over a vertex and a fragment program.
#pragma once

#include <vector>

#include "runtime/runtime_state.h"

namespace cgrt {

// Combines copies of `parts` (at most one per stage) into a new program of
// their context; raises and returns null when they cannot be combined.
_CGprogram* combinePrograms(const std::vector<_CGprogram*>& parts);
// The linked pair a combined program's domains make, once bound; or null.
const LinkedPair* linkOf(const _CGprogram& combined);

}  // namespace cgrt
