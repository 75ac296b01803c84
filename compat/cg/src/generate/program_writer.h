// Assembles the GLSL program: declarations, the reachable functions and a
// main() that feeds the entry function from the fixed-function inputs and
// writes its results to the outputs its semantics name.
#pragma once

#include <string>

#include "check/entry_point.h"

namespace cgc {

std::string writeProgram(const Module& module, const EntryInterface& entry, Stage stage);

// The int uniform through which the runtime tells the program whether the
// sampler uniform of that GLSL name reads a texture that compares depths.
std::string compareFlagName(const std::string& samplerGlslName);

}  // namespace cgc
