#include "runtime/type_enums.h"

#include <string>
#include <vector>

namespace cgrt {
namespace {

// The numeric enumerants run in blocks: the scalar, then the vectors of 2 to
// 4 components, then the 16 matrices from 1x1 to 4x4 row by row; the
// one-component vectors (float1) were added later, apart.
// int and bool came with their one-component vector inside the block, right
// after the scalar.
struct NumericBlock {
    cgc::BaseType base;
    const char* name;
    int scalar;
    int oneVector;
    bool oneInside;
};
const NumericBlock blocks[] = {
    {cgc::BaseType::Float, "float", CG_FLOAT, CG_FLOAT1, false},
    {cgc::BaseType::Int, "int", CG_INT, CG_INT1, true},
    {cgc::BaseType::Bool, "bool", CG_BOOL, CG_BOOL1, true},
};
// Spelled but never produced: the compiler keeps half and fixed as float.
const NumericBlock spelledOnly[] = {
    {cgc::BaseType::Float, "half", CG_HALF, CG_HALF1, false},
    {cgc::BaseType::Float, "fixed", CG_FIXED, CG_FIXED1, false},
};

const struct {
    cgc::BaseType base;
    CGtype type;
    const char* name;
} samplers[] = {
    {cgc::BaseType::Sampler1D, CG_SAMPLER1D, "sampler1D"},   {cgc::BaseType::Sampler2D, CG_SAMPLER2D, "sampler2D"},
    {cgc::BaseType::Sampler3D, CG_SAMPLER3D, "sampler3D"},   {cgc::BaseType::SamplerRect, CG_SAMPLERRECT, "samplerRECT"},
    {cgc::BaseType::SamplerCube, CG_SAMPLERCUBE, "samplerCUBE"},
};

int blockValue(const NumericBlock& b, int shapeIndex) {
    return b.scalar + shapeIndex + (b.oneInside && shapeIndex > 0 ? 1 : 0);
}

// 0 scalar, 1..3 vectors of 2..4, 4..19 matrices 1x1..4x4.
int shapeIndex(const cgc::Type& t) {
    if (t.shape == cgc::Shape::Matrix) return 4 + (t.rows - 1) * 4 + (t.cols - 1);
    if (t.shape == cgc::Shape::Vector) return t.cols - 1;
    return 0;
}

std::string shapeSuffix(int index) {
    if (index == 0) return "";
    if (index < 4) return std::to_string(index + 1);
    int m = index - 4;
    return std::to_string(m / 4 + 1) + "x" + std::to_string(m % 4 + 1);
}

}  // namespace

CGtype typeEnum(const cgc::Type& type) {
    for (const auto& s : samplers)
        if (s.base == type.base) return s.type;
    for (const NumericBlock& b : blocks)
        if (b.base == type.base) return static_cast<CGtype>(blockValue(b, shapeIndex(type)));
    return CG_UNKNOWN_TYPE;
}

CGtype baseTypeEnum(const cgc::Type& type) {
    cgc::Type scalar = type;
    scalar.shape = cgc::Shape::Scalar;
    scalar.rows = scalar.cols = 1;
    return typeEnum(scalar);
}

}  // namespace cgrt

namespace {

// Every spelling with its enumerant, built once.
struct Spelling {
    std::string name;
    CGtype type;
};
const std::vector<Spelling>& spellings() {
    static const std::vector<Spelling> all = [] {
        std::vector<Spelling> list{{"struct", CG_STRUCT}, {"array", CG_ARRAY}};
        for (const auto& s : cgrt::samplers) list.push_back({s.name, s.type});
        auto add = [&](const cgrt::NumericBlock& b) {
            for (int i = 0; i < 20; ++i)
                list.push_back({b.name + cgrt::shapeSuffix(i), static_cast<CGtype>(cgrt::blockValue(b, i))});
            list.push_back({std::string(b.name) + "1", static_cast<CGtype>(b.oneVector)});
        };
        for (const auto& b : cgrt::blocks) add(b);
        for (const auto& b : cgrt::spelledOnly) add(b);
        return list;
    }();
    return all;
}

}  // namespace

extern "C" {

const char* cgGetTypeString(CGtype type) {
    for (const Spelling& s : spellings())
        if (s.type == type) return s.name.c_str();
    return "unknown";
}

CGtype cgGetType(const char* typeString) {
    if (!typeString) return CG_UNKNOWN_TYPE;
    for (const Spelling& s : spellings())
        if (s.name == typeString) return s.type;
    return CG_UNKNOWN_TYPE;
}

}  // extern "C"

bool cgrt::typeOfEnum(CGtype type, cgc::Type& out) {
    for (const auto& s : samplers)
        if (s.type == type) {
            out = cgc::Type::scalar(s.base);
            return true;
        }
    int rows = 0, cols = 0;
    bool matrix = cgGetTypeSizes(type, &rows, &cols) == CG_TRUE;
    cgc::BaseType base;
    switch (cgGetTypeBase(type)) {
    case CG_FLOAT: case CG_HALF: case CG_FIXED: base = cgc::BaseType::Float; break;
    case CG_INT: base = cgc::BaseType::Int; break;
    case CG_BOOL: base = cgc::BaseType::Bool; break;
    default: return false;
    }
    if (matrix) {
        out = cgc::Type::matrix(rows, cols).withBase(base);
        return true;
    }
    out = cgGetTypeClass(type) == CG_PARAMETERCLASS_VECTOR && cols > 1 ? cgc::Type::vector(base, cols)
                                                                        : cgc::Type::scalar(base);
    return true;
}
