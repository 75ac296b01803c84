// GLSL spellings of types, names and conversions.
#include "base/naming.h"
#include "generate/glsl_writer.h"

namespace cgc {

std::string GlslWriter::type(const Type& t) const {
    const char* prefix = t.base == BaseType::Int ? "i" : t.base == BaseType::Bool ? "b" : "";
    switch (t.base) {
    case BaseType::Sampler1D: return "sampler1D";
    case BaseType::Sampler2D: return "sampler2D";
    case BaseType::Sampler3D: return "sampler3D";
    case BaseType::SamplerCube: return "samplerCube";
    case BaseType::SamplerRect: return "sampler2DRect";
    case BaseType::Struct: return glslIdentifier(NameKind::Struct, t.structInfo->name, stage);
    case BaseType::Void: return "void";
    default: break;
    }
    if (t.shape == Shape::Matrix && (t.rows == 1 || t.cols == 1))
        return t.rows * t.cols == 1 ? "float" : "vec" + std::to_string(t.rows * t.cols);
    if (t.shape == Shape::Matrix)
        return t.rows == t.cols ? "mat" + std::to_string(t.rows)
                                : "mat" + std::to_string(t.rows) + "x" + std::to_string(t.cols);
    if (t.shape == Shape::Vector) return std::string(prefix) + "vec" + std::to_string(t.cols);
    return t.base == BaseType::Int ? "int" : t.base == BaseType::Bool ? "bool" : "float";
}

std::string GlslWriter::declaration(const Type& t, const std::string& name) const {
    std::string d = type(t) + " " + name;
    if (t.isArray()) d += "[" + std::to_string(t.arraySize) + "]";
    return d;
}

std::string GlslWriter::variableName(const VarDecl& v) const {
    // A uniform the program changes is read through its own global copy.
    if (v.isGlobal) return glslIdentifier(v.isUniform && !v.written ? NameKind::Uniform : NameKind::Global, v.name, stage);
    return glslIdentifier(NameKind::Local, v.name, stage);
}

std::string GlslWriter::functionName(const FunctionDecl& f) const {
    return glslIdentifier(NameKind::Function, f.name, stage);
}

std::string GlslWriter::convert(const std::string& value, const Type& from, const Type& to) const {
    if (from == to || !from.isNumeric() || !to.isNumeric()) return value;
    static const char* const swizzles[] = {"", "x", "xy", "xyz", "xyzw"};
    if (from.isScalar()) {
        if (to.isMatrix() && !to.isThinMatrix()) {
            std::string column = "vec" + std::to_string(to.cols) + "(" + value + ")";
            std::string m = type(to) + "(";
            for (int r = 0; r < to.rows; ++r) m += (r ? ", " : "") + column;
            return m + ")";
        }
        return type(to) + "(" + value + ")";
    }
    if (from.isVector() && to.isScalar()) return type(to) + "((" + value + ").x)";
    if (from.isVector() && to.cols < from.cols) {
        std::string cut = "(" + value + ")." + swizzles[to.cols];
        return from.base == to.base ? cut : type(to) + "(" + cut + ")";
    }
    return type(to) + "(" + value + ")";
}

}  // namespace cgc
