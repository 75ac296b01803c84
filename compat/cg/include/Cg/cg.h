/* Our Cg runtime: the core calls. Compiles Cg source to GLSL at run time.
 * Only the values named here are fixed; everything else is ours to choose. */
#ifndef ZEPHRA_COMPAT_CG_H
#define ZEPHRA_COMPAT_CG_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _CGcontext* CGcontext;
typedef struct _CGprogram* CGprogram;
typedef struct _CGparameter* CGparameter;
typedef int CGbool;

typedef enum {
    CG_PROFILE_UNKNOWN = 6145,
    CG_PROFILE_ARBVP1 = 6150,
    CG_PROFILE_ARBFP1 = 7000
} CGprofile;

typedef enum {
    CG_NO_ERROR = 0,
    CG_COMPILER_ERROR = 1,
    CG_INVALID_PARAMETER_ERROR = 2,
    CG_INVALID_PROFILE_ERROR = 3,
    CG_PROGRAM_LOAD_ERROR = 4,
    CG_PROGRAM_BIND_ERROR = 5,
    CG_PROGRAM_NOT_LOADED_ERROR = 6,
    CG_UNSUPPORTED_GL_EXTENSION_ERROR = 7,
    CG_INVALID_VALUE_TYPE_ERROR = 8,
    CG_NOT_MATRIX_PARAM_ERROR = 9,
    CG_INVALID_ENUMERANT_ERROR = 10,
    CG_INVALID_CONTEXT_HANDLE_ERROR = 16,
    CG_INVALID_PROGRAM_HANDLE_ERROR = 17,
    CG_INVALID_PARAM_HANDLE_ERROR = 18,
    CG_MEMORY_ALLOC_ERROR = 22,
    CG_INVALID_PARAMETER_TYPE_ERROR = 23,
    CG_FILE_READ_ERROR = 12,
    CG_LINK_ERROR = 60
} CGerror;

typedef enum {
    CG_UNKNOWN = 4096,
    CG_COMPILED_PROGRAM = 4106,
    CG_PROGRAM_SOURCE = 4107,
    CG_PROGRAM_ENTRY = 4108,
    CG_PROGRAM_PROFILE = 4109,
    CG_SOURCE = 4112,
    CG_OBJECT = 4113
} CGenum;

typedef void (*CGerrorCallbackFunc)(void);
/* Asked for an #include the context's own files do not hold; it may add the
 * file with cgSetCompilerIncludeString or cgSetCompilerIncludeFile. */
typedef void (*CGIncludeCallbackFunc)(CGcontext context, const char* filename);

CGcontext cgCreateContext(void);
void cgDestroyContext(CGcontext context);

/* Called from inside every failing call, after the error code is set. */
void cgSetErrorCallback(CGerrorCallbackFunc callback);
/* The last error, cleared by reading it. */
CGerror cgGetError(void);
const char* cgGetErrorString(CGerror error);
/* Diagnostics of the last compile, "(LINE) : error: MESSAGE" per line, or NULL. */
const char* cgGetLastListing(CGcontext context);

CGprogram cgCreateProgram(CGcontext context, CGenum programType, const char* program,
                          CGprofile profile, const char* entry, const char** args);
/* Reads the source from a file; its #include "..." resolve against the
 * file's folder. A file that cannot be read is CG_FILE_READ_ERROR. */
CGprogram cgCreateProgramFromFile(CGcontext context, CGenum programType, const char* programFile,
                                  CGprofile profile, const char* entry, const char** args);
void cgDestroyProgram(CGprogram program);

/* #include looks first among the context's own files (set by name here, a
 * NULL text removes one), then asks the callback, then searches the disk:
 * the including file's folder, then each -I folder of the compile. */
void cgSetCompilerIncludeString(CGcontext context, const char* name, const char* source);
void cgSetCompilerIncludeFile(CGcontext context, const char* name, const char* filename);
void cgSetCompilerIncludeCallback(CGcontext context, CGIncludeCallbackFunc func);
CGIncludeCallbackFunc cgGetCompilerIncludeCallback(CGcontext context);
/* CG_COMPILED_PROGRAM gives the generated GLSL. */
const char* cgGetProgramString(CGprogram program, CGenum pname);

/* NULL for unknown names, without an error. Accepts struct members ("IN.x"). */
CGparameter cgGetNamedParameter(CGprogram program, const char* name);
void cgSetParameter4fv(CGparameter param, const float* v);
/* Reads up to n floats of the current value, row by row; returns how many. */
int cgGetParameterValuefr(CGparameter param, int n, float* values);

#ifdef __cplusplus
}
#endif

#endif
