#include "base/types.h"

#include <unordered_map>

namespace cgc {

bool operator==(const Type& a, const Type& b) {
    return a.base == b.base && a.shape == b.shape && a.rows == b.rows && a.cols == b.cols &&
           a.structInfo == b.structInfo && a.arraySize == b.arraySize && a.innerArraySize == b.innerArraySize &&
           a.rowView == b.rowView;
}

bool StructInfo::hasSampler() const {
    for (const StructMember& m : members)
        if (m.type.element().isSampler() || (m.type.structInfo && m.type.structInfo->hasSampler()))
            return true;
    return false;
}

std::string typeName(const Type& type) {
    std::string name;
    switch (type.base) {
    case BaseType::Error: name = "<error>"; break;
    case BaseType::Void: name = "void"; break;
    case BaseType::Bool: name = "bool"; break;
    case BaseType::Int: name = "int"; break;
    case BaseType::Float: name = "float"; break;
    case BaseType::Sampler1D: name = "sampler1D"; break;
    case BaseType::Sampler2D: name = "sampler2D"; break;
    case BaseType::Sampler3D: name = "sampler3D"; break;
    case BaseType::SamplerCube: name = "samplerCUBE"; break;
    case BaseType::SamplerRect: name = "samplerRECT"; break;
    case BaseType::Struct: name = "struct " + (type.structInfo ? type.structInfo->name : std::string()); break;
    }
    if (type.shape == Shape::Vector) name += std::to_string(type.cols);
    if (type.shape == Shape::Matrix) name += std::to_string(type.rows) + "x" + std::to_string(type.cols);
    if (type.arraySize > 0) name += "[" + std::to_string(type.arraySize) + "]";
    if (type.innerArraySize > 0) name += "[" + std::to_string(type.innerArraySize) + "]";
    if (type.rowView) name += " (a row of an array of arrays)";
    return name;
}

namespace {

struct BuiltinTypeEntry {
    Type type;
    bool unsupported;
};

std::unordered_map<std::string, BuiltinTypeEntry> makeBuiltinTypes() {
    std::unordered_map<std::string, BuiltinTypeEntry> table;
    static const struct { const char* name; BaseType base; } samplers[] = {
        {"sampler1D", BaseType::Sampler1D}, {"sampler2D", BaseType::Sampler2D},
        {"sampler3D", BaseType::Sampler3D}, {"samplerCUBE", BaseType::SamplerCube},
        {"samplerRECT", BaseType::SamplerRect}};
    for (const auto& s : samplers) table[s.name] = {Type::scalar(s.base), false};
    table["void"] = {Type::voidType(), false};
    static const struct { const char* prefix; BaseType base; } scalars[] = {
        {"float", BaseType::Float}, {"half", BaseType::Float}, {"fixed", BaseType::Float},
        {"double", BaseType::Float}, {"int", BaseType::Int}, {"bool", BaseType::Bool}};
    for (const auto& s : scalars) {
        std::string prefix = s.prefix;
        table[prefix] = {Type::scalar(s.base), false};
        for (int n = 1; n <= 4; ++n) table[prefix + std::to_string(n)] = {Type::vector(s.base, n), false};
        for (int r = 1; r <= 4; ++r)
            for (int c = 1; c <= 4; ++c) {
                // The ARB profiles compute in floats: integer and bool
                // matrices hold their values as float matrices do.
                table[prefix + std::to_string(r) + "x" + std::to_string(c)] = {Type::matrix(r, c), false};
            }
    }
    return table;
}

}  // namespace

bool builtinTypeFromName(const std::string& name, Type& type, bool& unsupportedMatrix) {
    static const std::unordered_map<std::string, BuiltinTypeEntry> table = makeBuiltinTypes();
    unsupportedMatrix = false;
    auto found = table.find(name);
    if (found == table.end()) return false;
    type = found->second.type;
    unsupportedMatrix = found->second.unsupported;
    return true;
}

bool glslTypeFromName(const std::string& name, Type& type) {
    static const std::unordered_map<std::string, Type> table = [] {
        std::unordered_map<std::string, Type> t;
        for (int n = 2; n <= 4; ++n) {
            const std::string size = std::to_string(n);
            t["vec" + size] = Type::vector(BaseType::Float, n);
            t["ivec" + size] = Type::vector(BaseType::Int, n);
            t["bvec" + size] = Type::vector(BaseType::Bool, n);
            t["mat" + size] = Type::matrix(n, n);
            for (int rows = 2; rows <= 4; ++rows) t["mat" + size + "x" + std::to_string(rows)] = Type::matrix(rows, n);
        }
        return t;
    }();
    auto found = table.find(name);
    if (found == table.end()) return false;
    type = found->second;
    return true;
}

}  // namespace cgc
