// Type checking of a whole module: every global and function, whether or not
// the entry uses it, as a compiler of the whole source would.
#pragma once

#include "base/diagnostics.h"
#include "parse/ast.h"

namespace cgc {

void checkModule(Module& module, Diagnostics& diagnostics);

}  // namespace cgc
