/* Our Cg runtime: the OpenGL side. Needs a current OpenGL context. */
#ifndef ZEPHRA_COMPAT_CGGL_H
#define ZEPHRA_COMPAT_CGGL_H

#include "Cg/cg.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Where the runtime finds OpenGL's entry points: the host's GL loader
   (wglGetProcAddress, SDL_GL_GetProcAddress, ...), which must give NULL for
   a name it lacks and must also give the OpenGL 1.1 functions. Set it each
   time a new context has been made current: what the runtime resolved
   already is resolved again through it. Without one, loading a program
   fails with CG_UNSUPPORTED_GL_EXTENSION_ERROR. NULL forgets the loader and
   what it resolved. */
typedef void* (*CGGLprocaddressfunc)(const char* name);
void cgGLSetProcAddressResolver(CGGLprocaddressfunc resolver);

void cgGLEnableProfile(CGprofile profile);
void cgGLDisableProfile(CGprofile profile);
void cgGLLoadProgram(CGprogram program);
/* Binds a vertex or fragment program; the pair in use is linked on first use. */
void cgGLBindProgram(CGprogram program);
/* 16 floats, column-major. */
void cgGLSetMatrixParameterfc(CGparameter param, const float* matrix);
void cgGLGetMatrixParameterfc(CGparameter param, float* matrix);
/* Records a GL texture name for a sampler parameter. */
void cgGLSetTextureParameter(CGparameter param, unsigned int texture);
/* Binds the recorded texture on the sampler's own unit; unit 0 stays active. */
void cgGLEnableTextureParameter(CGparameter param);

#ifdef __cplusplus
}
#endif

#endif
