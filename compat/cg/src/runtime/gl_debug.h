// cgGLSetDebugMode: OpenGL's errors checked after the runtime's own calls.
#pragma once

#include "Cg/cg.h"

namespace cgrt {

// While debug mode is on, asks OpenGL for its errors and raises `error`,
// naming the OpenGL errors and `call`, when there were any.
void checkGLErrors(CGerror error, const char* call);

}  // namespace cgrt
