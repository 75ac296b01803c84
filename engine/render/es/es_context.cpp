// Tells an OpenGL ES context from a desktop one and resolves the ES path's
// functions in it.
#include "render/es/es_context.h"

#include <cstdio>
#include <cstring>

#include "platform/gl_context.h"
#include "render/es/es_functions.h"
#include "render/es/immediate_batch.h"

namespace Zephra {
namespace ES {

Functions gl;

namespace {

bool isES = false;

// "OpenGL ES 3.2 Mesa ..." on the desktop, "OpenGL ES 3.0 (WebGL 2.0)" in
// the browser; desktop GL versions start with the number.
bool versionOf(const char* version, int& major, int& minor) {
    const char* prefix = "OpenGL ES ";
    if (!version || std::strncmp(version, prefix, std::strlen(prefix)) != 0) return false;
    if (std::sscanf(version + std::strlen(prefix), "%d.%d", &major, &minor) != 2) major = minor = 0;
    return true;
}

}  // namespace

bool active() { return isES; }

bool contextStarted() {
    int major = 0, minor = 0;
    isES = versionOf(reinterpret_cast<const char*>(glGetString(GL_VERSION)), major, minor);
    if (!isES) return true;
    bool complete = major >= 3;
#define ZEPHRA_ES_RESOLVE(type, name)                                              \
    gl.name = reinterpret_cast<type>(Platform::getGLProcAddress(#name));          \
    if (!gl.name) complete = false;
    ZEPHRA_ES_FUNCTIONS(ZEPHRA_ES_RESOLVE)
#undef ZEPHRA_ES_RESOLVE
    if (!complete) {
        // Nothing of the path may run: draw calls would go through null.
        isES = false;
        gl = Functions();
        return false;
    }
    resetImmediateState();
    return true;
}

}  // namespace ES
}  // namespace Zephra
