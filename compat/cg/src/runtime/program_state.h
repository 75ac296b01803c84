// Whether a program's code is up to date, and the context's auto-compile mode.
#pragma once

#include "runtime/runtime_state.h"

namespace cgrt {

// A change (a literal parameter) asks for a compile: at once, at the next
// use, or when the application calls cgCompileProgram, as the mode says.
void markUncompiled(_CGprogram& program);
// Compiles a program left uncompiled under CG_COMPILE_LAZY; called where its
// code is needed (loading, binding, reading it).
void compileIfLazy(_CGprogram& program);

}  // namespace cgrt

namespace cgrt {

// Deletes the program's GL objects and unbinds it; it can be loaded again.
void unloadProgram(_CGprogram& program);

}  // namespace cgrt
