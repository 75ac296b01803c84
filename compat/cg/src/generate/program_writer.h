// Assembles the GLSL program: declarations, the reachable functions and a
// main() that feeds the entry function from the fixed-function inputs and
// writes its results to the outputs its semantics name.
#pragma once

#include <string>

#include "check/entry_point.h"

namespace cgc {

std::string writeProgram(const Module& module, const EntryInterface& entry, Stage stage);

}  // namespace cgc
