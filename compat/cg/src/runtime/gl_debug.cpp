#include "runtime/gl_debug.h"

#include <cstdio>
#include <string>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/runtime_state.h"

namespace cgrt {
namespace {

const char* glErrorName(GLenum e) {
    switch (e) {
    case GL_INVALID_ENUM: return "GL_INVALID_ENUM";
    case GL_INVALID_VALUE: return "GL_INVALID_VALUE";
    case GL_INVALID_OPERATION: return "GL_INVALID_OPERATION";
    case GL_STACK_OVERFLOW: return "GL_STACK_OVERFLOW";
    case GL_STACK_UNDERFLOW: return "GL_STACK_UNDERFLOW";
    case GL_OUT_OF_MEMORY: return "GL_OUT_OF_MEMORY";
    default: return nullptr;
    }
}

}  // namespace

void checkGLErrors(CGerror error, const char* call) {
    if (!state().glDebug) return;
    std::string names;
    // Bounded: a lost context may report an error on every query.
    for (int i = 0; i < 16; ++i) {
        GLenum e = glGetError();
        if (e == GL_NO_ERROR) break;
        char code[16];
        std::snprintf(code, sizeof code, "0x%04X", e);
        const char* name = glErrorName(e);
        names += names.empty() ? "" : ", ";
        names += name ? name : code;
    }
    if (!names.empty()) raise(error, std::string("(OpenGL reported ") + names + " after " + call + ")");
}

}  // namespace cgrt

extern "C" void cgGLSetDebugMode(CGbool debug) { cgrt::state().glDebug = debug != CG_FALSE; }
