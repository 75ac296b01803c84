#include "runtime/gl_api.h"

#include <dlfcn.h>

namespace cgrt {

GLApi gl;

namespace {

using GetProcAddress = void* (*)(const unsigned char*);

void* resolve(const char* name) {
    static GetProcAddress getProc = [] {
        // The process has libGL loaded already when it has a context.
        void* lib = dlopen("libGL.so.1", RTLD_LAZY | RTLD_NOLOAD);
        if (!lib) lib = dlopen("libGL.so.1", RTLD_LAZY);
        void* f = lib ? dlsym(lib, "glXGetProcAddressARB") : nullptr;
        return reinterpret_cast<GetProcAddress>(f);
    }();
    void* f = getProc ? getProc(reinterpret_cast<const unsigned char*>(name)) : nullptr;
    return f ? f : dlsym(RTLD_DEFAULT, name);
}

}  // namespace

bool loadGL() {
    if (gl.loaded) return true;
    GLApi api;
    bool complete = true;
#define CGRT_RESOLVE(type, name)                                   \
    api.name = reinterpret_cast<type>(resolve(#name));             \
    complete = complete && api.name != nullptr;
    CGRT_GL_FUNCTIONS(CGRT_RESOLVE)
#undef CGRT_RESOLVE
#define CGRT_RESOLVE_OPTIONAL(type, name) api.name = reinterpret_cast<type>(resolve(#name));
    CGRT_GL_OPTIONAL_FUNCTIONS(CGRT_RESOLVE_OPTIONAL)
#undef CGRT_RESOLVE_OPTIONAL
    if (!complete) return false;
    api.loaded = true;
    gl = api;
    return true;
}

}  // namespace cgrt
