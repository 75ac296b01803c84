// The platform's own OpenGL loader, which the runtime uses when its host has
// not handed it one: GLX or EGL on Unix, WGL and opengl32 on Windows.
#pragma once

namespace cgrt {

// WGL's entry points belong to the context they were asked in; GLX's and
// EGL's serve every context, so a table resolved once stays good.
#ifdef _WIN32
constexpr bool entryPointsBelongToContext = true;
#else
constexpr bool entryPointsBelongToContext = false;
#endif

// The OpenGL context current on this thread, as the platform names it; null
// when none is.
const void* currentPlatformContext();

// The address of `name` for the current context; null when the platform
// lacks it or no context is current.
void* platformProcAddress(const char* name);

}  // namespace cgrt
