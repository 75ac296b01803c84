// `glstate`: the OpenGL state that the arb profiles let a program read
// (matrices, lights, material, fog, clip planes, point and depth range), as
// a read-only global of built-in struct types. What each member becomes in
// GLSL is generate/gl_state_writer.cpp's.
#pragma once

#include "parse/ast.h"

namespace cgc {

// Builds the `glstate` variable and its types into the module, once.
void declareGlState(Module& module);

}  // namespace cgc
