// GLX and EGL, found in the libraries the program has already loaded: a
// context can only be current through one of them, and the runtime must
// not drag a second GL stack into the process. No GLX or EGL header is
// needed: the few calls are declared by their C signatures.
#ifndef _WIN32

#include <dlfcn.h>

#include "runtime/platform_gl.h"

namespace cgrt {
namespace {

using GetCurrentContext = void* (*)();
using GetProcAddress = void* (*)(const char*);

struct Loader {
    const char* const* libraries;
    const char* currentName;
    const char* procName;
    GetCurrentContext current = nullptr;
    GetProcAddress proc = nullptr;

    bool found() const { return current && proc; }
    // Looks for a library the program has loaded. Asking the dynamic linker
    // costs a search of the library path for each library not loaded, so
    // this is done only when no context is current in what was found.
    bool find() {
        if (found()) return true;
        for (const char* const* library = libraries; *library; ++library) {
            void* handle = dlopen(*library, RTLD_LAZY | RTLD_NOLOAD);
            if (!handle) continue;
            current = reinterpret_cast<GetCurrentContext>(dlsym(handle, currentName));
            proc = reinterpret_cast<GetProcAddress>(dlsym(handle, procName));
            if (found()) return true;
            dlclose(handle);
        }
        current = nullptr;
        proc = nullptr;
        return false;
    }
    void* currentContext() const { return found() ? current() : nullptr; }
};

const char* const eglLibraries[] = {"libEGL.so.1", "libEGL.so", nullptr};
// libGLX is the vendor-neutral one; libGL alone is an older driver's.
const char* const glxLibraries[] = {"libGLX.so.0", "libGL.so.1", "libGL.so", nullptr};

Loader egl{eglLibraries, "eglGetCurrentContext", "eglGetProcAddress"};
Loader glx{glxLibraries, "glXGetCurrentContext", "glXGetProcAddressARB"};

// EGL first: a program that made its context through EGL may have GLX
// loaded too (a toolkit linked against both), but then nothing current in it.
Loader* currentLoader(void*& context) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        if ((context = egl.currentContext())) return &egl;
        if ((context = glx.currentContext())) return &glx;
        // The program may have loaded one since the last look.
        const bool foundBoth = egl.found() && glx.found();
        if (foundBoth || (!egl.find() && !glx.find())) break;
    }
    return nullptr;
}

}  // namespace

const void* currentPlatformContext() {
    void* context = nullptr;
    currentLoader(context);
    return context;
}

void* platformProcAddress(const char* name) {
    // Without a current context GLX would still hand out a stub, and a call
    // through it would do nothing.
    void* context = nullptr;
    Loader* loader = currentLoader(context);
    return loader ? loader->proc(name) : nullptr;
}

}  // namespace cgrt

#endif
