#include "compiler/types.h"

namespace cgc {

bool operator==(const Type& a, const Type& b) {
    return a.base == b.base && a.shape == b.shape && a.rows == b.rows && a.cols == b.cols &&
           a.structInfo == b.structInfo && a.arraySize == b.arraySize;
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
    return name;
}

bool builtinTypeFromName(const std::string& name, Type& type, bool& unsupportedMatrix) {
    unsupportedMatrix = false;
    static const struct { const char* name; BaseType base; } samplers[] = {
        {"sampler1D", BaseType::Sampler1D}, {"sampler2D", BaseType::Sampler2D},
        {"sampler3D", BaseType::Sampler3D}, {"samplerCUBE", BaseType::SamplerCube},
        {"samplerRECT", BaseType::SamplerRect}};
    for (const auto& s : samplers)
        if (name == s.name) {
            type = Type::scalar(s.base);
            return true;
        }
    if (name == "void") {
        type = Type::voidType();
        return true;
    }
    static const struct { const char* prefix; BaseType base; } scalars[] = {
        {"float", BaseType::Float}, {"half", BaseType::Float}, {"fixed", BaseType::Float},
        {"double", BaseType::Float}, {"int", BaseType::Int}, {"bool", BaseType::Bool}};
    for (const auto& s : scalars) {
        std::string prefix = s.prefix;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        std::string rest = name.substr(prefix.size());
        auto digit = [](char c) { return c >= '1' && c <= '4'; };
        if (rest.empty()) {
            type = Type::scalar(s.base);
            return true;
        }
        if (rest.size() == 1 && digit(rest[0])) {
            type = Type::vector(s.base, rest[0] - '0');
            return true;
        }
        if (rest.size() == 3 && digit(rest[0]) && rest[1] == 'x' && digit(rest[2])) {
            int r = rest[0] - '0', c = rest[2] - '0';
            if (r == 1 || c == 1 || s.base != BaseType::Float) {
                // float1xN and integer matrices have no counterpart we emit.
                unsupportedMatrix = true;
                type = Type::error();
                return true;
            }
            type = Type::matrix(r, c);
            return true;
        }
    }
    return false;
}

}  // namespace cgc
