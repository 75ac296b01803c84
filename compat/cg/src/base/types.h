// The Cg types the compiler knows: scalars, vectors, matrices (rows x columns, 1 to 4),
// samplers, structs and one-dimensional arrays of any of them.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace cgc {

enum class BaseType {
    Error,  // an expression that already failed; silences follow-up errors
    Void,
    Bool,
    Int,
    Float,
    Sampler1D,
    Sampler2D,
    Sampler3D,
    SamplerCube,
    SamplerRect,
    Struct
};

enum class Shape { Scalar, Vector, Matrix };

struct StructInfo;

struct Type {
    BaseType base = BaseType::Error;
    Shape shape = Shape::Scalar;
    int rows = 1;  // matrices only
    int cols = 1;  // vector size, or matrix columns
    const StructInfo* structInfo = nullptr;
    int arraySize = 0;  // 0: not an array
    // Arrays of arrays: each of the arraySize elements is an array of this
    // many, held flat (GLSL 1.20 has one dimension). 0: none.
    int innerArraySize = 0;
    bool rowView = false;  // one element of an array of arrays: only to be indexed

    static Type scalar(BaseType b) { return Type{b, Shape::Scalar, 1, 1, nullptr, 0}; }
    static Type vector(BaseType b, int n) {
        return n == 1 ? scalar(b) : Type{b, Shape::Vector, 1, n, nullptr, 0};
    }
    static Type matrix(int r, int c) { return Type{BaseType::Float, Shape::Matrix, r, c, nullptr, 0}; }
    static Type error() { return Type{}; }
    static Type voidType() { return scalar(BaseType::Void); }

    bool isError() const { return base == BaseType::Error; }
    bool isArray() const { return arraySize > 0; }
    bool isNumeric() const {
        return !isArray() && (base == BaseType::Bool || base == BaseType::Int || base == BaseType::Float);
    }
    bool isSampler() const { return !isArray() && base >= BaseType::Sampler1D && base <= BaseType::SamplerRect; }
    bool isStruct() const { return !isArray() && base == BaseType::Struct; }
    bool isScalar() const { return isNumeric() && shape == Shape::Scalar; }
    bool isVector() const { return isNumeric() && shape == Shape::Vector; }
    bool isMatrix() const { return isNumeric() && shape == Shape::Matrix; }
    // A matrix of one row or one column, which GLSL holds as a vector (or,
    // 1x1, as a scalar) of its components in row order.
    bool isThinMatrix() const { return isMatrix() && (rows == 1 || cols == 1); }
    int components() const { return rows * cols; }
    Type element() const {
        Type t = *this;
        t.arraySize = innerArraySize;
        t.innerArraySize = 0;
        t.rowView = innerArraySize > 0;
        return t;
    }
    Type withBase(BaseType b) const {
        Type t = *this;
        t.base = b;
        return t;
    }
};

bool operator==(const Type& a, const Type& b);
inline bool operator!=(const Type& a, const Type& b) { return !(a == b); }

struct StructMember {
    std::string name;
    Type type;
    std::string semantic;  // upper case, empty when none
    int line = 0;
};

struct StructInfo {
    std::string name;
    std::vector<StructMember> members;
    int line = 0;
    bool hasSampler() const;
};

// The Cg spelling, for diagnostics: "float4", "float3x3", "struct VSOut", "float[4]".
std::string typeName(const Type& type);
// Recognises a built-in type name ("float4", "half2x3", "sampler2D", "void").
bool builtinTypeFromName(const std::string& name, Type& type, bool& unsupportedMatrix);
// Recognises GLSL's spelling of a vector or matrix type ("vec3", "ivec2",
// "mat3", "mat2x3": GLSL's columns x rows), met in shaders written for both
// languages.
bool glslTypeFromName(const std::string& name, Type& type);

}  // namespace cgc
