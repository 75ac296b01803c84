// Buffers: OpenGL buffer objects behind CGbuffer handles.
#pragma once

#include "runtime/runtime_state.h"

namespace cgrt {

// Deletes the context's buffers as it is destroyed.
void destroyBuffers(_CGcontext& context);

}  // namespace cgrt
