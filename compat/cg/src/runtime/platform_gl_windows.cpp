// WGL: wglGetProcAddress gives what came after OpenGL 1.1, and only for the
// current context; opengl32.dll itself exports OpenGL 1.1.
#ifdef _WIN32

#include <windows.h>

#include "runtime/platform_gl.h"

namespace cgrt {

const void* currentPlatformContext() {
    return wglGetCurrentContext();
}

void* platformProcAddress(const char* name) {
    if (!wglGetCurrentContext()) return nullptr;
    PROC proc = wglGetProcAddress(name);
    // Some drivers answer an unknown name with a small number instead of null.
    const auto value = reinterpret_cast<INT_PTR>(proc);
    if (value == 0 || value == 1 || value == 2 || value == 3 || value == -1) {
        static HMODULE opengl32 = LoadLibraryA("opengl32.dll");
        proc = opengl32 ? GetProcAddress(opengl32, name) : nullptr;
    }
    return reinterpret_cast<void*>(proc);
}

}  // namespace cgrt

#endif
