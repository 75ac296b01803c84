#include "runtime/gl_api.h"

#include "Cg/cgGL.h"

namespace cgrt {

GLApi gl;

namespace {

ProcAddressResolver resolver = nullptr;

// Looks every entry point up; false when a required one is missing.
bool resolveAll(GLApi& api) {
    bool complete = true;
#define CGRT_RESOLVE(type, name)                                   \
    api.name = reinterpret_cast<type>(resolver(#name));            \
    complete = complete && api.name != nullptr;
    CGRT_GL_FUNCTIONS(CGRT_RESOLVE)
#undef CGRT_RESOLVE
#define CGRT_RESOLVE_OPTIONAL(type, name) api.name = reinterpret_cast<type>(resolver(#name));
    CGRT_GL_OPTIONAL_FUNCTIONS(CGRT_RESOLVE_OPTIONAL)
#undef CGRT_RESOLVE_OPTIONAL
    api.loaded = complete;
    return complete;
}

}  // namespace

void setResolver(ProcAddressResolver r) {
    resolver = r;
    if (!resolver) {
        gl = GLApi{};
        return;
    }
    // Entry points may differ from context to context (WGL), so a loaded
    // table is resolved again now, while the new context is current. The old
    // one stays until a complete new one is found: programs bound before
    // stay bound, and the runtime calls through them when profiles change.
    GLApi api;
    if (gl.loaded && resolveAll(api)) gl = api;
}

bool loadGL() {
    if (gl.loaded) return true;
    if (!resolver) return false;
    GLApi api;
    if (!resolveAll(api)) return false;
    gl = api;
    return true;
}

}  // namespace cgrt

extern "C" void cgGLSetProcAddressResolver(CGGLprocaddressfunc resolver) {
    cgrt::setResolver(resolver);
}
