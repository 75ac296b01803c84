/* Our Cg runtime: the core calls. Compiles Cg source to GLSL at run time.
 * Enumerant values and signatures are those of the Cg Toolkit; only the
 * calls and values named here exist. */
#ifndef ZEPHRA_COMPAT_CG_H
#define ZEPHRA_COMPAT_CG_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _CGcontext* CGcontext;
typedef struct _CGprogram* CGprogram;
typedef struct _CGparameter* CGparameter;
typedef int CGbool;

#define CG_FALSE ((CGbool)0)
#define CG_TRUE ((CGbool)1)

/* Every profile compiles to the same GLSL 1.20; they differ only in what
 * they allow (vp40 and glslv have texture lookups in vertex programs). */
typedef enum {
    CG_PROFILE_START = 6144,
    CG_PROFILE_UNKNOWN = 6145,
    CG_PROFILE_VP20 = 6146,
    CG_PROFILE_FP20 = 6147,
    CG_PROFILE_VP30 = 6148,
    CG_PROFILE_FP30 = 6149,
    CG_PROFILE_ARBVP1 = 6150,
    CG_PROFILE_FP40 = 6151,
    CG_PROFILE_ARBFP1 = 7000,
    CG_PROFILE_VP40 = 7001,
    CG_PROFILE_GLSLV = 7007,
    CG_PROFILE_GLSLF = 7008,
    /* Ours: GLSL ES 3.00 for OpenGL ES 3.0 and WebGL 2 ("glslesv", "glslesf"). */
    CG_PROFILE_GLSLESV = 7900,
    CG_PROFILE_GLSLESF = 7901
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
    CG_NOT_4x4_MATRIX_ERROR = 11,
    CG_FILE_READ_ERROR = 12,
    CG_MEMORY_ALLOC_ERROR = 15,
    CG_INVALID_CONTEXT_HANDLE_ERROR = 16,
    CG_INVALID_PROGRAM_HANDLE_ERROR = 17,
    CG_INVALID_PARAM_HANDLE_ERROR = 18,
    CG_INVALID_DIMENSION_ERROR = 21,
    CG_ARRAY_PARAM_ERROR = 22,
    CG_OUT_OF_ARRAY_BOUNDS_ERROR = 23,
    CG_INVALID_PARAMETER_TYPE_ERROR = 32,
    CG_INVALID_POINTER_ERROR = 50,
    CG_NOT_ENOUGH_DATA_ERROR = 51,
    CG_NON_NUMERIC_PARAMETER_ERROR = 52,
    CG_CANNOT_SET_NON_UNIFORM_PARAMETER_ERROR = 54
} CGerror;

typedef enum {
    CG_UNKNOWN = 4096,
    CG_IN = 4097,
    CG_OUT = 4098,
    CG_INOUT = 4099,
    CG_MIXED = 4100,
    CG_VARYING = 4101,
    CG_UNIFORM = 4102,
    CG_CONSTANT = 4103,
    CG_PROGRAM_SOURCE = 4104,
    CG_PROGRAM_ENTRY = 4105,
    CG_COMPILED_PROGRAM = 4106,
    CG_PROGRAM_PROFILE = 4107,
    CG_GLOBAL = 4108,
    CG_PROGRAM = 4109,
    CG_DEFAULT = 4110,
    CG_ERROR = 4111,
    CG_SOURCE = 4112,
    CG_OBJECT = 4113
} CGenum;

/* Parameter types. Struct and array parameters have CG_STRUCT and CG_ARRAY;
 * the numeric ones are named by base type and shape (CG_FLOAT4, CG_INT2x3). */
typedef enum {
    CG_UNKNOWN_TYPE = 0,
    CG_STRUCT = 1,
    CG_ARRAY = 2,
    CG_TYPE_START_ENUM = 1024,
    CG_HALF = 1025, CG_HALF2 = 1026, CG_HALF3 = 1027, CG_HALF4 = 1028,
    CG_HALF1x1 = 1029, CG_HALF4x4 = 1044,
    CG_FLOAT = 1045, CG_FLOAT2 = 1046, CG_FLOAT3 = 1047, CG_FLOAT4 = 1048,
    CG_FLOAT1x1 = 1049, CG_FLOAT1x2, CG_FLOAT1x3, CG_FLOAT1x4,
    CG_FLOAT2x1, CG_FLOAT2x2, CG_FLOAT2x3, CG_FLOAT2x4,
    CG_FLOAT3x1, CG_FLOAT3x2, CG_FLOAT3x3, CG_FLOAT3x4,
    CG_FLOAT4x1, CG_FLOAT4x2, CG_FLOAT4x3, CG_FLOAT4x4 = 1064,
    CG_SAMPLER1D = 1065, CG_SAMPLER2D = 1066, CG_SAMPLER3D = 1067, CG_SAMPLERRECT = 1068, CG_SAMPLERCUBE = 1069,
    CG_FIXED = 1070, CG_FIXED4x4 = 1089,
    CG_HALF1 = 1090, CG_FLOAT1 = 1091, CG_FIXED1 = 1092,
    CG_INT = 1093, CG_INT1 = 1094, CG_INT2 = 1095, CG_INT3 = 1096, CG_INT4 = 1097,
    CG_INT1x1 = 1098, CG_INT4x4 = 1113,
    CG_BOOL = 1114, CG_BOOL1 = 1115, CG_BOOL2 = 1116, CG_BOOL3 = 1117, CG_BOOL4 = 1118,
    CG_BOOL1x1 = 1119, CG_BOOL4x4 = 1134
} CGtype;

typedef void (*CGerrorCallbackFunc)(void);
/* Asked for an #include the context's own files do not hold; it may add the
 * file with cgSetCompilerIncludeString or cgSetCompilerIncludeFile. */
typedef void (*CGIncludeCallbackFunc)(CGcontext context, const char* filename);

CGcontext cgCreateContext(void);
void cgDestroyContext(CGcontext context);
CGbool cgIsContext(CGcontext context);

/* Called from inside every failing call, after the error code is set. */
void cgSetErrorCallback(CGerrorCallbackFunc callback);
/* The last error, cleared by reading it. */
CGerror cgGetError(void);
const char* cgGetErrorString(CGerror error);
/* Diagnostics of the last compile, "FILE(LINE,COLUMN): error: MESSAGE" per line, or NULL. */
const char* cgGetLastListing(CGcontext context);

CGprogram cgCreateProgram(CGcontext context, CGenum programType, const char* program,
                          CGprofile profile, const char* entry, const char** args);
/* Reads the source from a file; its #include "..." resolve against the
 * file's folder. A file that cannot be read is CG_FILE_READ_ERROR. */
CGprogram cgCreateProgramFromFile(CGcontext context, CGenum programType, const char* programFile,
                                  CGprofile profile, const char* entry, const char** args);
void cgDestroyProgram(CGprogram program);
CGbool cgIsProgram(CGprogram program);
/* CG_PROGRAM_SOURCE, CG_PROGRAM_ENTRY, CG_PROGRAM_PROFILE ("arbfp1"), or
 * CG_COMPILED_PROGRAM (the generated GLSL); "" after an error. */

/* #include looks first among the context's own files (set by name here, a
 * NULL text removes one), then asks the callback, then searches the disk:
 * the including file's folder, then each -I folder of the compile. */
void cgSetCompilerIncludeString(CGcontext context, const char* name, const char* source);
void cgSetCompilerIncludeFile(CGcontext context, const char* name, const char* filename);
void cgSetCompilerIncludeCallback(CGcontext context, CGIncludeCallbackFunc func);
CGIncludeCallbackFunc cgGetCompilerIncludeCallback(CGcontext context);
const char* cgGetProgramString(CGprogram program, CGenum pname);
CGprofile cgGetProgramProfile(CGprogram program);

/* Profiles by name ("arbvp1", "glslf"): CG_PROFILE_UNKNOWN or NULL when unknown. */
CGprofile cgGetProfile(const char* name);
const char* cgGetProfileString(CGprofile profile);

/* Parameter discovery. Names are full paths ("IN.video_size", "w[2]");
 * entry parameters come first, then global uniforms. CG_GLOBAL holds no
 * parameters in this runtime. */
CGparameter cgGetNamedParameter(CGprogram program, const char* name);
CGparameter cgGetNamedProgramParameter(CGprogram program, CGenum nameSpace, const char* name);
CGparameter cgGetFirstParameter(CGprogram program, CGenum nameSpace);
CGparameter cgGetNextParameter(CGparameter current);
CGparameter cgGetFirstLeafParameter(CGprogram program, CGenum nameSpace);
CGparameter cgGetNextLeafParameter(CGparameter current);
CGparameter cgGetFirstStructParameter(CGparameter param);
CGparameter cgGetArrayParameter(CGparameter param, int index);
int cgGetArrayDimension(CGparameter param);
int cgGetArraySize(CGparameter param, int dimension);
CGbool cgIsParameter(CGparameter param);
CGprogram cgGetParameterProgram(CGparameter param);
const char* cgGetParameterName(CGparameter param);
CGtype cgGetParameterType(CGparameter param);
CGtype cgGetParameterBaseType(CGparameter param);
CGtype cgGetParameterNamedType(CGparameter param);
const char* cgGetParameterSemantic(CGparameter param);
CGenum cgGetParameterVariability(CGparameter param);
CGenum cgGetParameterDirection(CGparameter param);
int cgGetParameterRows(CGparameter param);
int cgGetParameterColumns(CGparameter param);
/* "float4", "float3x3", "sampler2D", "struct", "array"; "unknown" otherwise. */
const char* cgGetTypeString(CGtype type);
CGtype cgGetType(const char* typeString);

/* Values of uniform scalars and vectors. Extra values are ignored; missing
 * ones leave their components as they were. */
void cgSetParameter1f(CGparameter param, float x);
void cgSetParameter2f(CGparameter param, float x, float y);
void cgSetParameter3f(CGparameter param, float x, float y, float z);
void cgSetParameter4f(CGparameter param, float x, float y, float z, float w);
void cgSetParameter1d(CGparameter param, double x);
void cgSetParameter2d(CGparameter param, double x, double y);
void cgSetParameter3d(CGparameter param, double x, double y, double z);
void cgSetParameter4d(CGparameter param, double x, double y, double z, double w);
void cgSetParameter1i(CGparameter param, int x);
void cgSetParameter2i(CGparameter param, int x, int y);
void cgSetParameter3i(CGparameter param, int x, int y, int z);
void cgSetParameter4i(CGparameter param, int x, int y, int z, int w);
void cgSetParameter1fv(CGparameter param, const float* v);
void cgSetParameter2fv(CGparameter param, const float* v);
void cgSetParameter3fv(CGparameter param, const float* v);
void cgSetParameter4fv(CGparameter param, const float* v);
void cgSetParameter1dv(CGparameter param, const double* v);
void cgSetParameter2dv(CGparameter param, const double* v);
void cgSetParameter3dv(CGparameter param, const double* v);
void cgSetParameter4dv(CGparameter param, const double* v);
void cgSetParameter1iv(CGparameter param, const int* v);
void cgSetParameter2iv(CGparameter param, const int* v);
void cgSetParameter3iv(CGparameter param, const int* v);
void cgSetParameter4iv(CGparameter param, const int* v);

/* Matrices, from rows x columns values laid out row by row (r) or column by column (c). */
void cgSetMatrixParameterfr(CGparameter param, const float* matrix);
void cgSetMatrixParameterfc(CGparameter param, const float* matrix);
void cgSetMatrixParameterdr(CGparameter param, const double* matrix);
void cgSetMatrixParameterdc(CGparameter param, const double* matrix);
void cgGetMatrixParameterfr(CGparameter param, float* matrix);
void cgGetMatrixParameterfc(CGparameter param, float* matrix);
void cgGetMatrixParameterdr(CGparameter param, double* matrix);
void cgGetMatrixParameterdc(CGparameter param, double* matrix);

/* Any numeric parameter or array of them, all values at once; matrices row
 * by row (r) or column by column (c). Fewer than all values is
 * CG_NOT_ENOUGH_DATA_ERROR. The getters return how many they wrote. */
void cgSetParameterValuefr(CGparameter param, int n, const float* values);
void cgSetParameterValuefc(CGparameter param, int n, const float* values);
void cgSetParameterValuedr(CGparameter param, int n, const double* values);
void cgSetParameterValuedc(CGparameter param, int n, const double* values);
void cgSetParameterValueir(CGparameter param, int n, const int* values);
void cgSetParameterValueic(CGparameter param, int n, const int* values);
int cgGetParameterValuefr(CGparameter param, int n, float* values);
int cgGetParameterValuefc(CGparameter param, int n, float* values);
int cgGetParameterValuedr(CGparameter param, int n, double* values);
int cgGetParameterValuedc(CGparameter param, int n, double* values);
int cgGetParameterValueir(CGparameter param, int n, int* values);
int cgGetParameterValueic(CGparameter param, int n, int* values);

#ifdef __cplusplus
}
#endif

#endif
