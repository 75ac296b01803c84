// Checks shared by the parameter calls; each raises the matching error and
// returns false when the parameter cannot be used that way.
#pragma once

#include "runtime/runtime_state.h"

namespace cgrt {

bool checkParameter(CGparameter p);
// A uniform scalar, vector or matrix.
bool checkUniformValue(CGparameter p);
// A uniform sampler.
bool checkSampler(CGparameter p);
// A pointer argument the call needs.
bool checkPointer(const void* p);

// Counts the change and sends the value to the pair in use.
void valueChanged(_CGparameter& p);

}  // namespace cgrt
