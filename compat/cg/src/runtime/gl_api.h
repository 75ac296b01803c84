// The OpenGL entry points the runtime calls, resolved through the loader its
// host hands it (cgGLSetProcAddressResolver), so that there is one way to
// load OpenGL in the program on every platform.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

namespace cgrt {

#define CGRT_GL_FUNCTIONS(X)                                            \
    X(PFNGLCREATESHADERPROC, glCreateShader)                            \
    X(PFNGLSHADERSOURCEPROC, glShaderSource)                            \
    X(PFNGLCOMPILESHADERPROC, glCompileShader)                          \
    X(PFNGLGETSHADERIVPROC, glGetShaderiv)                              \
    X(PFNGLGETSHADERINFOLOGPROC, glGetShaderInfoLog)                    \
    X(PFNGLDELETESHADERPROC, glDeleteShader)                            \
    X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                          \
    X(PFNGLATTACHSHADERPROC, glAttachShader)                            \
    X(PFNGLBINDATTRIBLOCATIONPROC, glBindAttribLocation)                \
    X(PFNGLLINKPROGRAMPROC, glLinkProgram)                              \
    X(PFNGLGETPROGRAMIVPROC, glGetProgramiv)                            \
    X(PFNGLGETPROGRAMINFOLOGPROC, glGetProgramInfoLog)                  \
    X(PFNGLDELETEPROGRAMPROC, glDeleteProgram)                          \
    X(PFNGLUSEPROGRAMPROC, glUseProgram)                                \
    X(PFNGLGETUNIFORMLOCATIONPROC, glGetUniformLocation)                \
    X(PFNGLUNIFORM1IPROC, glUniform1i)                                  \
    X(PFNGLUNIFORM1FVPROC, glUniform1fv)                                \
    X(PFNGLUNIFORM2FVPROC, glUniform2fv)                                \
    X(PFNGLUNIFORM3FVPROC, glUniform3fv)                                \
    X(PFNGLUNIFORM4FVPROC, glUniform4fv)                                \
    X(PFNGLUNIFORM1IVPROC, glUniform1iv)                                \
    X(PFNGLUNIFORM2IVPROC, glUniform2iv)                                \
    X(PFNGLUNIFORM3IVPROC, glUniform3iv)                                \
    X(PFNGLUNIFORM4IVPROC, glUniform4iv)                                \
    X(PFNGLUNIFORMMATRIX2FVPROC, glUniformMatrix2fv)                    \
    X(PFNGLUNIFORMMATRIX3FVPROC, glUniformMatrix3fv)                    \
    X(PFNGLUNIFORMMATRIX4FVPROC, glUniformMatrix4fv)                    \
    X(PFNGLACTIVETEXTUREPROC, glActiveTexture)                          \
    X(PFNGLBINDTEXTUREEXTPROC, glBindTexture)

// Non-square matrix uploads (OpenGL 2.1) and the vertex-input calls; looked
// up but not required: the calls that need one report when it is missing.
#define CGRT_GL_OPTIONAL_FUNCTIONS(X)                                   \
    X(PFNGLUNIFORMMATRIX2X3FVPROC, glUniformMatrix2x3fv)                \
    X(PFNGLUNIFORMMATRIX3X2FVPROC, glUniformMatrix3x2fv)                \
    X(PFNGLUNIFORMMATRIX2X4FVPROC, glUniformMatrix2x4fv)                \
    X(PFNGLUNIFORMMATRIX4X2FVPROC, glUniformMatrix4x2fv)                \
    X(PFNGLUNIFORMMATRIX3X4FVPROC, glUniformMatrix3x4fv)                \
    X(PFNGLUNIFORMMATRIX4X3FVPROC, glUniformMatrix4x3fv)                \
    X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTexture)        \
    X(PFNGLSECONDARYCOLORPOINTERPROC, glSecondaryColorPointer)          \
    X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)              \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, glEnableVertexAttribArray)      \
    X(PFNGLDISABLEVERTEXATTRIBARRAYPROC, glDisableVertexAttribArray)    \
    X(PFNGLMULTITEXCOORD4DVARBPROC, glMultiTexCoord4dv)              \
    X(PFNGLSECONDARYCOLOR3DVPROC, glSecondaryColor3dv)                  \
    X(PFNGLVERTEXATTRIB4DVPROC, glVertexAttrib4dv)                      \
    X(PFNGLVERTEXATTRIB4FVPROC, glVertexAttrib4fv)

struct GLApi {
#define CGRT_DECLARE(type, name) type name = nullptr;
    CGRT_GL_FUNCTIONS(CGRT_DECLARE)
    CGRT_GL_OPTIONAL_FUNCTIONS(CGRT_DECLARE)
#undef CGRT_DECLARE
    bool loaded = false;
};

extern GLApi gl;

using ProcAddressResolver = void* (*)(const char* name);

// Resolves the entry points once per resolver; false when there is no
// resolver or a required function is missing (no current context, or a
// driver below OpenGL 2.0).
bool loadGL();
// Resolves through `resolver` from now on: a loaded table at once (the new
// context is current), otherwise at the next loadGL. Null forgets the table.
void setResolver(ProcAddressResolver resolver);

}  // namespace cgrt
