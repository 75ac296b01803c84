// Sends a parameter's current value to a uniform location of the program in use.
#pragma once

#include "runtime/runtime_state.h"

namespace cgrt {

void sendUniform(const _CGparameter& param, int location);

}  // namespace cgrt
