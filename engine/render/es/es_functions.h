// OpenGL ES 3.0 functions of the ES path beyond OpenGL 1.1, resolved in the
// current context by each look-up pass. Internal to engine/render.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

namespace Zephra {
namespace ES {

#define ZEPHRA_ES_FUNCTIONS(X)                                       \
    X(PFNGLGENBUFFERSPROC, glGenBuffers)                             \
    X(PFNGLBINDBUFFERPROC, glBindBuffer)                             \
    X(PFNGLBUFFERDATAPROC, glBufferData)                             \
    X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)           \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray)   \
    X(PFNGLDISABLEVERTEXATTRIBARRAYPROC, glDisableVertexAttribArray) \
    X(PFNGLVERTEXATTRIB4FVPROC, glVertexAttrib4fv)                   \
    X(PFNGLGENERATEMIPMAPPROC, glGenerateMipmap)                     \
    X(PFNGLCLEARDEPTHFPROC, glClearDepthf)                           \
    X(PFNGLGENVERTEXARRAYSPROC, glGenVertexArrays)                   \
    X(PFNGLBINDVERTEXARRAYPROC, glBindVertexArray)

struct Functions {
#define ZEPHRA_ES_DECLARE(type, name) type name = nullptr;
    ZEPHRA_ES_FUNCTIONS(ZEPHRA_ES_DECLARE)
#undef ZEPHRA_ES_DECLARE
};

// Valid while active().
extern Functions gl;

}  // namespace ES
}  // namespace Zephra
