#include "runtime/gl_api.h"

#include "Cg/cgGL.h"

namespace cgrt {

GLApi gl;

namespace {

ProcAddressResolver resolver = nullptr;

}  // namespace

void setResolver(ProcAddressResolver r) {
    resolver = r;
    // The old table belongs to the old context: calling through it, even to
    // delete, could reach the new context's objects of the same names.
    gl = GLApi{};
}

bool loadGL() {
    if (gl.loaded) return true;
    if (!resolver) return false;
    GLApi api;
    bool complete = true;
#define CGRT_RESOLVE(type, name)                                   \
    api.name = reinterpret_cast<type>(resolver(#name));            \
    complete = complete && api.name != nullptr;
    CGRT_GL_FUNCTIONS(CGRT_RESOLVE)
#undef CGRT_RESOLVE
#define CGRT_RESOLVE_OPTIONAL(type, name) api.name = reinterpret_cast<type>(resolver(#name));
    CGRT_GL_OPTIONAL_FUNCTIONS(CGRT_RESOLVE_OPTIONAL)
#undef CGRT_RESOLVE_OPTIONAL
    if (!complete) return false;
    api.loaded = true;
    gl = api;
    return true;
}

}  // namespace cgrt

extern "C" void cgGLSetProcAddressResolver(CGGLprocaddressfunc resolver) {
    cgrt::setResolver(resolver);
}
