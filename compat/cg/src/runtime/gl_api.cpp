#include "runtime/gl_api.h"

#include "Cg/cgGL.h"
#include "runtime/platform_gl.h"

namespace cgrt {

GLApi gl;

namespace {

// The host's loader; without one, the platform's.
ProcAddressResolver resolver = nullptr;
// The platform context the table was resolved in (platform loader only).
const void* resolvedFor = nullptr;

// Looks every entry point up; false when a required one is missing.
bool resolveAll(GLApi& api, ProcAddressResolver lookup) {
    bool complete = true;
#define CGRT_RESOLVE(type, name)                                   \
    api.name = reinterpret_cast<type>(lookup(#name));              \
    complete = complete && api.name != nullptr;
    CGRT_GL_FUNCTIONS(CGRT_RESOLVE)
#undef CGRT_RESOLVE
#define CGRT_RESOLVE_OPTIONAL(type, name) api.name = reinterpret_cast<type>(lookup(#name));
    CGRT_GL_OPTIONAL_FUNCTIONS(CGRT_RESOLVE_OPTIONAL)
#undef CGRT_RESOLVE_OPTIONAL
    api.loaded = complete;
    return complete;
}

}  // namespace

void setResolver(ProcAddressResolver r) {
    resolver = r;
    resolvedFor = nullptr;
    if (!resolver) {
        gl = GLApi{};
        return;
    }
    // Entry points may differ from context to context (WGL), so a loaded
    // table is resolved again now, while the new context is current. The old
    // one stays until a complete new one is found: programs bound before
    // stay bound, and the runtime calls through them when profiles change.
    GLApi api;
    if (gl.loaded && resolveAll(api, resolver)) gl = api;
}

bool loadGL() {
    if (resolver) {
        if (gl.loaded) return true;
        GLApi api;
        if (!resolveAll(api, resolver)) return false;
        gl = api;
        return true;
    }
    // The platform's loader: on Windows resolved again whenever another
    // context has become current.
    if (gl.loaded && !entryPointsBelongToContext) return true;
    const void* current = currentPlatformContext();
    if (!current) return gl.loaded;
    if (gl.loaded && current == resolvedFor) return true;
    GLApi api;
    if (!resolveAll(api, platformProcAddress)) return false;
    gl = api;
    resolvedFor = current;
    return true;
}

}  // namespace cgrt

extern "C" void cgGLSetProcAddressResolver(CGGLprocaddressfunc resolver) {
    cgrt::setResolver(resolver);
}
