// What a type enumerant is: its class, base type and size, for every numeric
// family of the Cg headers (double, char, ... included, which no program of
// ours has but which callers may ask about).
#include "runtime/runtime_state.h"
#include "runtime/type_enums.h"

#include <cstring>

namespace {

// The enumerants of a family: the scalar, the one-component vector, the
// vectors of 2 to 4 and the 16 matrices 1x1 to 4x4, row by row.
struct Family {
    int scalar, oneVector, twoVector, firstMatrix;
};
const Family families[] = {
    {CG_HALF, CG_HALF1, CG_HALF2, CG_HALF1x1},     {CG_FLOAT, CG_FLOAT1, CG_FLOAT2, CG_FLOAT1x1},
    {CG_FIXED, CG_FIXED1, CG_FIXED2, CG_FIXED1x1}, {CG_INT, CG_INT1, CG_INT2, CG_INT1x1},
    {CG_BOOL, CG_BOOL1, CG_BOOL2, CG_BOOL1x1},     {CG_DOUBLE, CG_DOUBLE1, CG_DOUBLE2, CG_DOUBLE1x1},
    {CG_CHAR, CG_CHAR1, CG_CHAR2, CG_CHAR1x1},     {CG_UCHAR, CG_UCHAR1, CG_UCHAR2, CG_UCHAR1x1},
    {CG_SHORT, CG_SHORT1, CG_SHORT2, CG_SHORT1x1}, {CG_USHORT, CG_USHORT1, CG_USHORT2, CG_USHORT1x1},
    {CG_UINT, CG_UINT1, CG_UINT2, CG_UINT1x1},     {CG_LONG, CG_LONG1, CG_LONG2, CG_LONG1x1},
    {CG_ULONG, CG_ULONG1, CG_ULONG2, CG_ULONG1x1},
};

struct Numeric {
    CGtype base;
    CGparameterclass kind;
    int rows, cols;
};

bool numeric(CGtype type, Numeric& out) {
    int t = type;
    for (const Family& f : families) {
        if (t == f.scalar) out = {type, CG_PARAMETERCLASS_SCALAR, 1, 1};
        else if (t == f.oneVector) out = {CGtype(f.scalar), CG_PARAMETERCLASS_VECTOR, 1, 1};
        else if (t >= f.twoVector && t < f.twoVector + 3) out = {CGtype(f.scalar), CG_PARAMETERCLASS_VECTOR, 1, t - f.twoVector + 2};
        else if (t >= f.firstMatrix && t < f.firstMatrix + 16)
            out = {CGtype(f.scalar), CG_PARAMETERCLASS_MATRIX, (t - f.firstMatrix) / 4 + 1, (t - f.firstMatrix) % 4 + 1};
        else continue;
        return true;
    }
    return false;
}

bool isSamplerType(CGtype t) {
    switch (t) {
    case CG_SAMPLER: case CG_SAMPLER1D: case CG_SAMPLER2D: case CG_SAMPLER3D: case CG_SAMPLERRECT:
    case CG_SAMPLERCUBE: case CG_SAMPLER1DARRAY: case CG_SAMPLER2DARRAY: case CG_SAMPLERCUBEARRAY:
    case CG_SAMPLERBUF: case CG_SAMPLER1DSHADOW: case CG_SAMPLER2DSHADOW: case CG_SAMPLERRECTSHADOW:
    case CG_SAMPLERRBUF: case CG_SAMPLER2DMS: case CG_SAMPLER2DMSARRAY:
        return true;
    default: return false;
    }
}

const struct {
    CGparameterclass kind;
    const char* name;
} classNames[] = {
    {CG_PARAMETERCLASS_UNKNOWN, "unknown"}, {CG_PARAMETERCLASS_SCALAR, "scalar"},
    {CG_PARAMETERCLASS_VECTOR, "vector"},   {CG_PARAMETERCLASS_MATRIX, "matrix"},
    {CG_PARAMETERCLASS_STRUCT, "struct"},   {CG_PARAMETERCLASS_ARRAY, "array"},
    {CG_PARAMETERCLASS_SAMPLER, "sampler"}, {CG_PARAMETERCLASS_OBJECT, "object"},
    {CG_PARAMETERCLASS_BUFFER, "buffer"},
};

}  // namespace

extern "C" {

CGparameterclass cgGetTypeClass(CGtype type) {
    Numeric n;
    if (numeric(type, n)) return n.kind;
    if (isSamplerType(type)) return CG_PARAMETERCLASS_SAMPLER;
    switch (type) {
    case CG_STRUCT: case CG_TYPELESS_STRUCT: return CG_PARAMETERCLASS_STRUCT;
    case CG_ARRAY: return CG_PARAMETERCLASS_ARRAY;
    case CG_STRING: case CG_TEXTURE: case CG_PROGRAM_TYPE: case CG_VERTEXSHADER_TYPE: case CG_PIXELSHADER_TYPE:
        return CG_PARAMETERCLASS_OBJECT;
    case CG_BUFFER: case CG_UNIFORMBUFFER: return CG_PARAMETERCLASS_BUFFER;
    default: return CG_PARAMETERCLASS_UNKNOWN;
    }
}

CGtype cgGetTypeBase(CGtype type) {
    Numeric n;
    if (numeric(type, n)) return n.base;
    return isSamplerType(type) || cgGetTypeClass(type) != CG_PARAMETERCLASS_UNKNOWN ? type : CG_UNKNOWN_TYPE;
}

CGbool cgGetTypeSizes(CGtype type, int* nrows, int* ncols) {
    Numeric n{CG_UNKNOWN_TYPE, CG_PARAMETERCLASS_UNKNOWN, 1, 0};
    bool isNumeric = numeric(type, n);
    if (nrows) *nrows = isNumeric ? n.rows : 1;
    if (ncols) *ncols = isNumeric ? n.cols : 0;
    return isNumeric && n.kind == CG_PARAMETERCLASS_MATRIX ? CG_TRUE : CG_FALSE;
}

void cgGetMatrixSize(CGtype type, int* nrows, int* ncols) {
    Numeric n;
    bool matrix = numeric(type, n) && n.kind == CG_PARAMETERCLASS_MATRIX;
    if (nrows) *nrows = matrix ? n.rows : 0;
    if (ncols) *ncols = matrix ? n.cols : 0;
}

const char* cgGetParameterClassString(CGparameterclass pc) {
    for (const auto& c : classNames)
        if (c.kind == pc) return c.name;
    return nullptr;
}

CGparameterclass cgGetParameterClassEnum(const char* pString) {
    if (pString)
        for (const auto& c : classNames)
            if (std::strcmp(c.name, pString) == 0) return c.kind;
    return CG_PARAMETERCLASS_UNKNOWN;
}

// Struct types die with the compile and there are no interfaces, so no
// handle has user types and no type has parents.
CGtype cgGetNamedUserType(CGhandle, const char*) { return CG_UNKNOWN_TYPE; }
int cgGetNumUserTypes(CGhandle) { return 0; }
CGtype cgGetUserType(CGhandle, int) {
    cgrt::noContext();
    cgrt::raise(CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    return CG_UNKNOWN_TYPE;
}
int cgGetNumParentTypes(CGtype) { return 0; }
CGtype cgGetParentType(CGtype, int) {
    cgrt::noContext();
    cgrt::raise(CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    return CG_UNKNOWN_TYPE;
}
CGbool cgIsParentType(CGtype, CGtype) { return CG_FALSE; }
CGbool cgIsInterfaceType(CGtype) { return CG_FALSE; }

}  // extern "C"
