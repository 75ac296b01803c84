/* Our Cg runtime: the OpenGL side. Needs a current OpenGL context.
 * OpenGL's GLint, GLenum, GLsizei and GLuint are spelled as the C types they
 * are, so that this header needs no OpenGL header before it. */
#ifndef ZEPHRA_COMPAT_CGGL_H
#define ZEPHRA_COMPAT_CGGL_H

#include "Cg/cg.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum {
    CG_GL_MATRIX_IDENTITY = 0,
    CG_GL_MATRIX_TRANSPOSE = 1,
    CG_GL_MATRIX_INVERSE = 2,
    CG_GL_MATRIX_INVERSE_TRANSPOSE = 3,
    CG_GL_MODELVIEW_MATRIX = 4,
    CG_GL_PROJECTION_MATRIX = 5,
    CG_GL_TEXTURE_MATRIX = 6,
    CG_GL_MODELVIEW_PROJECTION_MATRIX = 7,
    CG_GL_VERTEX = 8,
    CG_GL_FRAGMENT = 9,
    CG_GL_GEOMETRY = 10,
    CG_GL_TESSELLATION_CONTROL = 11,
    CG_GL_TESSELLATION_EVALUATION = 12
} CGGLenum;

typedef enum {
    CG_GL_GLSL_DEFAULT = 0,
    CG_GL_GLSL_100 = 1,
    CG_GL_GLSL_110 = 2,
    CG_GL_GLSL_120 = 3
} CGGLglslversion;

/* Profiles. A profile is supported when the context has OpenGL 2.0 and
 * GLSL 1.20; the latest is glslv or glslf (there are no geometry or
 * tessellation profiles: CG_PROFILE_UNKNOWN). Enabling or disabling any
 * vertex (fragment) profile switches the vertex (fragment) stage. */
CGbool cgGLIsProfileSupported(CGprofile profile);
CGprofile cgGLGetLatestProfile(CGGLenum profile_type);
/* Every profile compiles the same way: the optimal options are none (an
 * empty, NULL-terminated list), per profile and per context. */
void cgGLSetOptimalOptions(CGprofile profile);
char const** cgGLGetOptimalOptions(CGprofile profile);
void cgGLSetContextOptimalOptions(CGcontext context, CGprofile profile);
char const** cgGLGetContextOptimalOptions(CGcontext context, CGprofile profile);
/* GLSL versions: the detected one is what the current context runs (120
 * from GLSL 1.20 on). The generated code is GLSL 1.20 whatever the context's
 * setting, which is kept and given back. */
CGGLglslversion cgGLDetectGLSLVersion(void);
void cgGLSetContextGLSLVersion(CGcontext context, CGGLglslversion version);
CGGLglslversion cgGLGetContextGLSLVersion(CGcontext context);
const char* cgGLGetGLSLVersionString(CGGLglslversion version);
CGGLglslversion cgGLGetGLSLVersion(const char* version_string);
/* While on, the runtime asks OpenGL for errors after each of its calls that
 * drive OpenGL and raises the error that call documents for a failure
 * (cgGetLastErrorString names the OpenGL error). Off at start: glGetError
 * would also take the application's own errors. */
void cgGLSetDebugMode(CGbool debug);

/* The runtime finds OpenGL's entry points itself, for whichever context is
   current: through EGL when the current context is EGL's, otherwise GLX
   (glXGetProcAddressARB) on Unix; wglGetProcAddress and opengl32's exports
   on Windows. A host that brings its own GL loader (SDL_GL_GetProcAddress,
   ...) may hand it over instead; it must give NULL for a name it lacks and
   must also give the OpenGL 1.1 functions. Set it again each time a new
   context has been made current: what the runtime resolved already is
   resolved again through it. NULL forgets the loader and what it resolved,
   and returns to the platform's loader. */
typedef void* (*CGGLprocaddressfunc)(const char* name);
void cgGLSetProcAddressResolver(CGGLprocaddressfunc resolver);

void cgGLEnableProfile(CGprofile profile);
void cgGLDisableProfile(CGprofile profile);
/* The profiles of every program of a combined program (or of the one program). */
void cgGLEnableProgramProfiles(CGprogram program);
void cgGLDisableProgramProfiles(CGprogram program);

void cgGLLoadProgram(CGprogram program);
/* Deletes the program's OpenGL objects; it may be loaded again. */
void cgGLUnloadProgram(CGprogram program);
CGbool cgGLIsProgramLoaded(CGprogram program);
/* The OpenGL shader object of a loaded program; of a combined program, the
 * OpenGL program object its domains link into (0 before the first bind). */
unsigned int cgGLGetProgramID(CGprogram program);
/* Binds a vertex or fragment program (or every domain of a combined one);
 * the pair in use is linked on first use. Sends the values that deferred
 * parameter setting kept, and with managed texture parameters binds the
 * program's textures. */
void cgGLBindProgram(CGprogram program);
/* Unbinds whatever program is bound for that profile's stage. */
void cgGLUnbindProgram(CGprofile profile);

/* Uniform scalars and vectors (also cgSetParameter*). On a varying vertex
 * input they set the current value of its OpenGL attribute instead. */
void cgGLSetParameter1f(CGparameter param, float x);
void cgGLSetParameter2f(CGparameter param, float x, float y);
void cgGLSetParameter3f(CGparameter param, float x, float y, float z);
void cgGLSetParameter4f(CGparameter param, float x, float y, float z, float w);
void cgGLSetParameter1d(CGparameter param, double x);
void cgGLSetParameter2d(CGparameter param, double x, double y);
void cgGLSetParameter3d(CGparameter param, double x, double y, double z);
void cgGLSetParameter4d(CGparameter param, double x, double y, double z, double w);
void cgGLSetParameter1fv(CGparameter param, const float* v);
void cgGLSetParameter2fv(CGparameter param, const float* v);
void cgGLSetParameter3fv(CGparameter param, const float* v);
void cgGLSetParameter4fv(CGparameter param, const float* v);
void cgGLSetParameter1dv(CGparameter param, const double* v);
void cgGLSetParameter2dv(CGparameter param, const double* v);
void cgGLSetParameter3dv(CGparameter param, const double* v);
void cgGLSetParameter4dv(CGparameter param, const double* v);
/* Read 1 to 4 components of a uniform scalar or vector; components the
 * parameter does not have are left alone. */
void cgGLGetParameter1f(CGparameter param, float* v);
void cgGLGetParameter2f(CGparameter param, float* v);
void cgGLGetParameter3f(CGparameter param, float* v);
void cgGLGetParameter4f(CGparameter param, float* v);
void cgGLGetParameter1d(CGparameter param, double* v);
void cgGLGetParameter2d(CGparameter param, double* v);
void cgGLGetParameter3d(CGparameter param, double* v);
void cgGLGetParameter4d(CGparameter param, double* v);

/* Arrays of scalars or vectors: n values per element from element `offset`
 * on; nelements 0 means all the rest. */
void cgGLSetParameterArray1f(CGparameter param, long offset, long nelements, const float* v);
void cgGLSetParameterArray2f(CGparameter param, long offset, long nelements, const float* v);
void cgGLSetParameterArray3f(CGparameter param, long offset, long nelements, const float* v);
void cgGLSetParameterArray4f(CGparameter param, long offset, long nelements, const float* v);
void cgGLGetParameterArray1f(CGparameter param, long offset, long nelements, float* v);
void cgGLGetParameterArray2f(CGparameter param, long offset, long nelements, float* v);
void cgGLGetParameterArray3f(CGparameter param, long offset, long nelements, float* v);
void cgGLGetParameterArray4f(CGparameter param, long offset, long nelements, float* v);
void cgGLSetParameterArray1d(CGparameter param, long offset, long nelements, const double* v);
void cgGLSetParameterArray2d(CGparameter param, long offset, long nelements, const double* v);
void cgGLSetParameterArray3d(CGparameter param, long offset, long nelements, const double* v);
void cgGLSetParameterArray4d(CGparameter param, long offset, long nelements, const double* v);
void cgGLGetParameterArray1d(CGparameter param, long offset, long nelements, double* v);
void cgGLGetParameterArray2d(CGparameter param, long offset, long nelements, double* v);
void cgGLGetParameterArray3d(CGparameter param, long offset, long nelements, double* v);
void cgGLGetParameterArray4d(CGparameter param, long offset, long nelements, double* v);

/* Matrices: r for row by row, c for column by column (OpenGL's layout). */
void cgGLSetMatrixParameterfr(CGparameter param, const float* matrix);
void cgGLSetMatrixParameterfc(CGparameter param, const float* matrix);
void cgGLSetMatrixParameterdr(CGparameter param, const double* matrix);
void cgGLSetMatrixParameterdc(CGparameter param, const double* matrix);
void cgGLGetMatrixParameterfr(CGparameter param, float* matrix);
void cgGLGetMatrixParameterfc(CGparameter param, float* matrix);
void cgGLGetMatrixParameterdr(CGparameter param, double* matrix);
void cgGLGetMatrixParameterdc(CGparameter param, double* matrix);
/* Arrays of matrices, rows x columns values per element; nelements 0 means
 * all from offset on. */
void cgGLSetMatrixParameterArrayfc(CGparameter param, long offset, long nelements, const float* matrices);
void cgGLSetMatrixParameterArrayfr(CGparameter param, long offset, long nelements, const float* matrices);
void cgGLSetMatrixParameterArraydc(CGparameter param, long offset, long nelements, const double* matrices);
void cgGLSetMatrixParameterArraydr(CGparameter param, long offset, long nelements, const double* matrices);
void cgGLGetMatrixParameterArrayfc(CGparameter param, long offset, long nelements, float* matrices);
void cgGLGetMatrixParameterArrayfr(CGparameter param, long offset, long nelements, float* matrices);
void cgGLGetMatrixParameterArraydc(CGparameter param, long offset, long nelements, double* matrices);
void cgGLGetMatrixParameterArraydr(CGparameter param, long offset, long nelements, double* matrices);
/* A float4x4 from the current OpenGL matrix (the texture matrix of the
 * active unit), transformed. Inverting a singular matrix is
 * CG_INVALID_PARAMETER_ERROR and leaves the parameter as it was. */
void cgGLSetStateMatrixParameter(CGparameter param, CGGLenum matrix, CGGLenum transform);

/* Varying vertex inputs from client arrays, by semantic: POSITION, NORMAL,
 * COLOR0, COLOR1, TEXCOORD0-7 and ATTR1-15. */
void cgGLSetParameterPointer(CGparameter param, int fsize, unsigned int type, int stride, const void* pointer);
void cgGLEnableClientState(CGparameter param);
void cgGLDisableClientState(CGparameter param);

/* Records a GL texture name for a sampler parameter. */
void cgGLSetTextureParameter(CGparameter param, unsigned int texobj);
unsigned int cgGLGetTextureParameter(CGparameter param);
/* Binds the recorded texture on the sampler's own unit; unit 0 stays active. */
void cgGLEnableTextureParameter(CGparameter param);
/* Unbinds the sampler's unit. */
void cgGLDisableTextureParameter(CGparameter param);
/* GL_TEXTURE0 + the sampler's unit. */
unsigned int cgGLGetTextureEnum(CGparameter param);
/* With it on, cgGLBindProgram binds the textures of the program's samplers
 * on their units, and disabling the profile (or unbinding) unbinds them. */
void cgGLSetManageTextureParameters(CGcontext context, CGbool flag);
CGbool cgGLGetManageTextureParameters(CGcontext context);

/* Buffers over OpenGL buffer objects (see cgCreateBuffer); usage is an
 * OpenGL usage such as GL_STATIC_DRAW. A buffer made from an object the
 * runtime does not manage leaves it alive when destroyed. */
CGbuffer cgGLCreateBuffer(CGcontext context, int size, const void* data, unsigned int bufferUsage);
CGbuffer cgGLCreateBufferFromObject(CGcontext context, unsigned int obj, CGbool manageObject);
unsigned int cgGLGetBufferObject(CGbuffer buffer);

#ifdef __cplusplus
}
#endif

#endif
