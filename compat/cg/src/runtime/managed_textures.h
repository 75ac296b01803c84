// cgGLSetManageTextureParameters: the runtime binds the textures of a
// program's samplers when it binds the program, and unbinds them again.
#pragma once

#include "runtime/runtime_state.h"

namespace cgrt {

// Binds each sampler's recorded texture on its unit.
void bindProgramTextures(const _CGprogram& program);
// Unbinds the textures that binding a program of `stage` bound for its
// context's texture management.
void releaseManagedTextures(cgc::Stage stage);

}  // namespace cgrt
