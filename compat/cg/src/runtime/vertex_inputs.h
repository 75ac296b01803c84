// Varying vertex inputs fed from OpenGL's per-vertex state: client arrays
// and current values, chosen by the parameter's semantic.
#pragma once

#include "runtime/runtime_state.h"

namespace cgrt {

// A varying input leaf of a vertex program.
bool isVertexInput(const _CGparameter& p);
// Sets the attribute's current value from four values, as the immediate-mode
// call of that attribute does (so POSITION emits a vertex).
void setVertexInputValue(_CGparameter& p, const double* values);

}  // namespace cgrt
