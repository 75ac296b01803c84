// Expressions, fully parenthesised so that GLSL precedence never matters.
#include <cmath>
#include <cstdio>

#include "check/builtins.h"
#include "base/naming.h"
#include "generate/glsl_writer.h"

namespace cgc {
namespace {

std::string floatText(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    std::string s = buffer;
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return v < 0 ? "(" + s + ")" : s;
}

}  // namespace

std::string GlslWriter::literal(const Expr& e) const {
    switch (e.kind) {
    case ExprKind::BoolLiteral: return e.intValue ? "true" : "false";
    case ExprKind::IntLiteral: return e.intValue < 0 ? "(" + std::to_string(e.intValue) + ")" : std::to_string(e.intValue);
    default: return floatText(e.floatValue);
    }
}

std::string GlslWriter::expression(const Expr& e) {
    switch (e.kind) {
    case ExprKind::IntLiteral:
    case ExprKind::FloatLiteral:
    case ExprKind::BoolLiteral: return literal(e);
    case ExprKind::Name: return variableName(*e.var);
    case ExprKind::Unary: {
        std::string a = expression(*e.args[0]);
        if (e.op == Op::Not && !e.type.isScalar()) return "not(" + a + ")";
        return std::string("(") + spelling(e.op) + a + ")";
    }
    case ExprKind::Postfix: return "(" + expression(*e.args[0]) + spelling(e.op) + ")";
    case ExprKind::Binary: return binary(e);
    case ExprKind::Assign: return assign(e);
    case ExprKind::Ternary:
        if (!e.args[0]->type.isScalar()) return select(e);
        return "(" + expression(*e.args[0]) + " ? " + expression(*e.args[1]) + " : " + expression(*e.args[2]) + ")";
    case ExprKind::Call: return e.builtin ? builtin(e) : call(e);
    case ExprKind::Construct: {
        std::string name = type(e.type);
        if (e.type.isArray()) name += "[" + std::to_string(e.type.arraySize) + "]";
        std::string s = name + "(";
        for (size_t i = 0; i < e.args.size(); ++i) s += (i ? ", " : "") + expression(*e.args[i]);
        return s + ")";
    }
    case ExprKind::Cast:
    case ExprKind::Convert: {
        const Expr& inner = *e.args[0];
        // Integer literals in float context are written as float literals.
        if (inner.kind == ExprKind::IntLiteral && e.type == Type::scalar(BaseType::Float))
            return floatText(static_cast<double>(inner.intValue));
        return convert(expression(inner), inner.type, e.type);
    }
    case ExprKind::Member: return member(e);
    case ExprKind::Index: {
        const Type& base = e.args[0]->type;
        // Row i of a one-row matrix is all of it; a 1x1 matrix is its element.
        if (base.isThinMatrix() && (base.rows == 1 || base.cols * base.rows == 1)) return expression(*e.args[0]);
        return expression(*e.args[0]) + "[" + expression(*e.args[1]) + "]";
    }
    case ExprKind::InitList: return "";
    }
    return "";
}

std::string GlslWriter::member(const Expr& e) {
    std::string base = expression(*e.args[0]);
    switch (e.memberKind) {
    case MemberKind::StructMember: return base + "." + glslIdentifier(NameKind::Member, e.text, stage);
    case MemberKind::Swizzle: return base + "." + e.text;
    case MemberKind::ScalarSwizzle:
        return e.components.size() == 1 ? base : type(e.type) + "(" + base + ")";
    case MemberKind::MatrixSwizzle: {
        std::vector<std::string> parts;
        const Type& m = e.args[0]->type;
        for (size_t i = 0; i + 1 < e.components.size(); i += 2) {
            int r = e.components[i], c = e.components[i + 1];
            if (m.rows * m.cols == 1) parts.push_back(base);
            else if (m.isThinMatrix()) parts.push_back(base + "[" + std::to_string(m.rows == 1 ? c : r) + "]");
            else parts.push_back(base + "[" + std::to_string(r) + "][" + std::to_string(c) + "]");
        }
        if (parts.size() == 1) return parts[0];
        std::string s = type(e.type) + "(";
        for (size_t i = 0; i < parts.size(); ++i) s += (i ? ", " : "") + parts[i];
        return s + ")";
    }
    case MemberKind::None: break;
    }
    return base;
}

std::string GlslWriter::binary(const Expr& e) {
    const Expr& a = *e.args[0];
    const Expr& b = *e.args[1];
    std::string left = expression(a), right = expression(b);
    const Type& t = a.type.isScalar() ? b.type : a.type;
    if (e.type.isVector() && e.type.base == BaseType::Bool) {
        switch (e.op) {
        case Op::Equal: return "equal(" + left + ", " + right + ")";
        case Op::NotEqual: return "notEqual(" + left + ", " + right + ")";
        case Op::Less: return "lessThan(" + left + ", " + right + ")";
        case Op::Greater: return "greaterThan(" + left + ", " + right + ")";
        case Op::LessEqual: return "lessThanEqual(" + left + ", " + right + ")";
        case Op::GreaterEqual: return "greaterThanEqual(" + left + ", " + right + ")";
        case Op::And:
        case Op::Or: return componentwiseLogic(e.op, e.type, left, right);
        default: break;
        }
    }
    if (e.op == Op::Multiply && a.type.isMatrix() && b.type.isMatrix() && !a.type.isThinMatrix())
        return "matrixCompMult(" + left + ", " + right + ")";
    if (e.op == Op::Modulo) {
        // Scalars smear first: the helpers take two operands of one type.
        left = convert(left, a.type, t);
        right = convert(right, b.type, t);
        if (t.base == BaseType::Int) {
            helperTypes[2].insert("int");
            return "cg_imod(" + left + ", " + right + ")";
        }
        helperTypes[0].insert(type(t));
        return "cg_fmod(" + left + ", " + right + ")";
    }
    if (e.op == Op::Comma) return "(" + left + ", " + right + ")";
    return "(" + left + " " + spelling(e.op) + " " + right + ")";
}

std::string GlslWriter::componentwiseLogic(Op op, const Type& t, const std::string& left, const std::string& right) {
    // GLSL's && and || take scalars only; both sides are evaluated, as in Cg.
    std::string name = std::string(op == Op::And ? "cg_and" : "cg_or") + std::to_string(t.cols);
    std::string bv = type(t);
    std::string body = bv + " " + name + "(" + bv + " a, " + bv + " b)\n{\n    return " + bv + "(";
    for (int i = 0; i < t.cols; ++i)
        body += std::string(i ? ", " : "") + "a[" + std::to_string(i) + "] " + spelling(op) + " b[" + std::to_string(i) + "]";
    extraHelpers[name] = body + ");\n}\n";
    return name + "(" + left + ", " + right + ")";
}

std::string GlslWriter::select(const Expr& e) {
    const Type& t = e.type;
    std::string tn = type(t), cn = type(e.args[0]->type);
    std::string name = "cg_select_" + tn;
    std::string body = tn + " " + name + "(" + cn + " c, " + tn + " a, " + tn + " b)\n{\n    return " + tn + "(";
    for (int i = 0; i < t.cols; ++i) {
        std::string k = "[" + std::to_string(i) + "]";
        body += std::string(i ? ", " : "") + "c" + k + " ? a" + k + " : b" + k;
    }
    extraHelpers[name] = body + ");\n}\n";
    return name + "(" + expression(*e.args[0]) + ", " + expression(*e.args[1]) + ", " + expression(*e.args[2]) + ")";
}

std::string GlslWriter::assign(const Expr& e) {
    const Expr& target = *e.args[0];
    std::string left = expression(target), right = expression(*e.args[1]);
    if (e.op == Op::MultiplyAssign && target.type.isMatrix() && !target.type.isThinMatrix()) return "(" + left + " = matrixCompMult(" + left + ", " + right + "))";
    if (e.op == Op::ModuloAssign) {
        std::string f = target.type.base == BaseType::Int ? "cg_imod" : "cg_fmod";
        if (target.type.base == BaseType::Int) helperTypes[2].insert("int");
        else helperTypes[0].insert(type(target.type));
        return "(" + left + " = " + f + "(" + left + ", " + right + "))";
    }
    return "(" + left + " " + spelling(e.op) + " " + right + ")";
}

std::string GlslWriter::call(const Expr& e) {
    std::string s = functionName(*e.function) + "(";
    for (size_t i = 0; i < e.args.size(); ++i) s += (i ? ", " : "") + expression(*e.args[i]);
    return s + ")";
}

std::string GlslWriter::builtin(const Expr& e) {
    const Builtin& b = *e.builtin;
    std::vector<std::string> args;
    for (const ExprPtr& a : e.args) args.push_back(expression(*a));
    auto joined = [&](const std::string& name) {
        std::string s = name + "(";
        for (size_t i = 0; i < args.size(); ++i) s += (i ? ", " : "") + args[i];
        return s + ")";
    };
    std::string name = b.name;
    const Type& x = e.args.empty() ? e.type : e.args[0]->type;
    std::string t = type(x);
    if (b.kind == BuiltinKind::Texture) return texture(e, args);
    if (name == "saturate") return "clamp(" + args[0] + ", 0.0, 1.0)";
    if (name == "fmod") {
        helperTypes[0].insert(type(e.type));
        return joined("cg_fmod");
    }
    if (name == "clip") {
        helperTypes[1].insert(t);
        return joined("cg_clip");
    }
    if (name == "mul") {
        const Type& y = e.args[1]->type;
        if (x.isScalar() || y.isScalar() || x.components() == 1 || y.components() == 1)
            return "(" + args[0] + " * " + args[1] + ")";
        // Thin matrices are vectors in GLSL: a one-component result is a dot
        // product, a column times a row the outer product.
        if (e.type.components() == 1) return "dot(" + args[0] + ", " + args[1] + ")";
        if (x.isMatrix() && y.isMatrix() && x.cols == 1) return "outerProduct(" + args[1] + ", " + args[0] + ")";
        // Transposed storage: M v is v * M', v M is M' * v, A B is B' * A'.
        return "(" + args[1] + " * " + args[0] + ")";
    }
    if (name == "any" || name == "all") {
        if (x.isScalar()) return x.base == BaseType::Bool ? args[0] : "(" + args[0] + " != " + convert("0", Type::scalar(BaseType::Int), x) + ")";
        if (x.base == BaseType::Bool) return joined(b.glsl);
        return name + "(notEqual(" + args[0] + ", " + t + "(0)))";
    }
    // The rest of the library GLSL 1.20 lacks, as helper functions
    // overloaded per type.
    auto helper = [&](const std::string& fn, const std::string& signature, const std::string& body) {
        extraHelpers[fn + " " + signature] = body;
        return joined(fn);
    };
    const std::string max = "3.402823466e38";
    if (name == "trunc") return helper("cg_trunc", t, t + " cg_trunc(" + t + " x)\n{\n    return sign(x) * floor(abs(x));\n}\n");
    if (name == "round") return helper("cg_round", t, t + " cg_round(" + t + " x)\n{\n    return floor(x + 0.5);\n}\n");
    if (name == "log10") return "(log2(" + args[0] + ") * 0.301029996)";
    if (name == "sinh" || name == "cosh" || name == "tanh") {
        std::string body = name == "sinh"   ? "(exp(x) - exp(-x)) * 0.5"
                           : name == "cosh" ? "(exp(x) + exp(-x)) * 0.5"
                                            : "1.0 - 2.0 / (exp(2.0 * x) + 1.0)";
        return helper("cg_" + name, t, t + " cg_" + name + "(" + t + " x)\n{\n    return " + body + ";\n}\n");
    }
    if (b.kind == BuiltinKind::Classify) {
        // No GLSL 1.20 test for these: a NaN is neither finite nor above the largest float.
        std::string r = type(e.type);
        bool vec = x.isVector();
        std::string finite = vec ? "lessThanEqual(abs(x), " + t + "(" + max + "))" : "abs(x) <= " + max;
        std::string infinite = vec ? "greaterThan(abs(x), " + t + "(" + max + "))" : "abs(x) > " + max;
        std::string value = name == "isfinite" ? finite
                            : name == "isinf"  ? infinite
                            : vec ? "not(" + r + "(" + [&] {
                                        std::string parts;
                                        for (int i = 0; i < x.cols; ++i) {
                                            std::string k = "[" + std::to_string(i) + "]";
                                            parts += std::string(i ? ", " : "") + "f" + k + " || n" + k;
                                        }
                                        return parts;
                                    }() + "))"
                                  : "!(f || n)";
        std::string body = r + " cg_" + name + "(" + t + " x)\n{\n";
        if (name == "isnan") body += "    " + r + " f = " + finite + ";\n    " + r + " n = " + infinite + ";\n";
        body += "    return " + (name == "isnan" ? value : value) + ";\n}\n";
        return helper("cg_" + name, t, body);
    }
    if (name == "modf")
        return helper("cg_modf", t, t + " cg_modf(" + t + " x, out " + t + " i)\n{\n    i = sign(x) * floor(abs(x));\n    return x - i;\n}\n");
    if (name == "frexp") {
        // x = m * 2^e with 0.5 <= |m| < 1; zero gives zero and zero.
        bool scalar = x.isScalar();
        std::string zero = scalar ? "float(a == 0.0)" : t + "(equal(a, " + t + "(0.0)))";
        std::string body = t + " cg_frexp(" + t + " x, out " + t + " e)\n{\n    " + t + " a = abs(x);\n" +
                           "    e = (floor(log2(a + " + zero + ")) + 1.0) * (1.0 - " + zero + ");\n" +
                           "    " + t + " m = x / exp2(e);\n" +
                           "    // Rounding in log2 may leave m one binade off.\n";
        if (scalar) {
            body += "    if (abs(m) >= 1.0) { m *= 0.5; e += 1.0; }\n"
                    "    if (a != 0.0 && abs(m) < 0.5) { m *= 2.0; e -= 1.0; }\n";
        } else {
            body += "    " + t + " up = " + t + "(greaterThanEqual(abs(m), " + t + "(1.0)));\n"
                    "    m *= 1.0 - 0.5 * up;\n    e += up;\n"
                    "    " + t + " down = " + t + "(lessThan(abs(m), " + t + "(0.5))) * (1.0 - " + zero + ");\n"
                    "    m *= 1.0 + down;\n    e -= down;\n";
        }
        return helper("cg_frexp", t, body + "    return m;\n}\n");
    }
    if (name == "ldexp") return "(" + args[0] + " * exp2(" + args[1] + "))";
    if (name == "sincos")
        return helper("cg_sincos", t, "void cg_sincos(" + t + " x, out " + t + " s, out " + t + " c)\n{\n    s = sin(x);\n    c = cos(x);\n}\n");
    if (name == "lit")
        return helper("cg_lit", "float",
                      "vec4 cg_lit(float nDotL, float nDotH, float m)\n{\n"
                      "    float specular = nDotL < 0.0 || nDotH < 0.0 ? 0.0 : pow(nDotH, m);\n"
                      "    return vec4(1.0, max(nDotL, 0.0), specular, 1.0);\n}\n");
    if (name == "determinant") return x.rows == 1 ? args[0] : determinant(x, args[0]);
    if (name == "transpose" && x.isThinMatrix()) return args[0];  // the same components in the same order
    return joined(b.glsl);
}

std::string GlslWriter::determinant(const Type& m, const std::string& value) {
    // The transpose has the same determinant: the storage order does not matter.
    std::string t = type(m);
    std::string body = "float cg_determinant(" + t + " m)\n{\n";
    if (m.rows == 2) {
        body += "    return m[0][0] * m[1][1] - m[0][1] * m[1][0];\n}\n";
    } else if (m.rows == 3) {
        body += "    return dot(m[0], cross(m[1], m[2]));\n}\n";
    } else {
        body += "    float a = m[2][2] * m[3][3] - m[2][3] * m[3][2];\n"
                "    float b = m[2][1] * m[3][3] - m[2][3] * m[3][1];\n"
                "    float c = m[2][1] * m[3][2] - m[2][2] * m[3][1];\n"
                "    float d = m[2][0] * m[3][3] - m[2][3] * m[3][0];\n"
                "    float e = m[2][0] * m[3][2] - m[2][2] * m[3][0];\n"
                "    float f = m[2][0] * m[3][1] - m[2][1] * m[3][0];\n"
                "    return m[0][0] * (m[1][1] * a - m[1][2] * b + m[1][3] * c)\n"
                "         - m[0][1] * (m[1][0] * a - m[1][2] * d + m[1][3] * e)\n"
                "         + m[0][2] * (m[1][0] * b - m[1][1] * d + m[1][3] * f)\n"
                "         - m[0][3] * (m[1][0] * c - m[1][1] * e + m[1][2] * f);\n}\n";
    }
    extraHelpers["cg_determinant " + t] = body;
    return "cg_determinant(" + value + ")";
}

std::string GlslWriter::texture(const Expr& e, const std::vector<std::string>& args) {
    const Builtin& b = *e.builtin;
    if (b.sampler == BaseType::SamplerRect) usesRect = true;
    const Type& coord = e.args[1]->type;
    std::string sampler = type(Type::scalar(b.sampler));
    std::string fn = b.glsl;
    std::string ct = type(coord);
    int plainSize = b.form == TextureForm::Proj ? b.dims + 1 : b.dims;
    bool grad = e.args.size() == 4;
    static const char* const parts[] = {"", "x", "xy", "xyz", "xyzw"};
    std::string lookupArgs = grad ? ", dx, dy" : "";
    auto helper = [&](const std::string& name, const std::string& body) {
        extraHelpers[name + " " + sampler + " " + ct + (grad ? " grad" : "")] = body;
        std::string call = name + "(";
        for (size_t i = 0; i < args.size(); ++i) call += (i ? ", " : "") + args[i];
        return call + ")";
    };
    std::string gradParams;
    if (grad) {
        std::string dt = type(e.args[2]->type);
        gradParams = ", " + dt + " dx, " + dt + " dy";
    }
    std::string head = "vec4 NAME(" + sampler + " s, " + ct + " c" + gradParams + ")\n{\n";
    auto named = [&](const std::string& name) {
        std::string h = head;
        h.replace(h.find("NAME"), 4, name);
        return h;
    };
    // Gradient and level-of-detail lookups in fragment programs come from
    // ARB_shader_texture_lod; the ARB profiles forbid lookups in vertex programs.
    std::string lookup = fn + (grad ? "GradARB" : "");
    if (grad) usesTextureLod = true;
    switch (b.form) {
    case TextureForm::Plain:
    case TextureForm::Proj:
        if (coord.isVector() && coord.cols == plainSize + 1 && b.sampler != BaseType::Sampler3D &&
            b.sampler != BaseType::SamplerCube) {
            // A depth compared with the texel's first component: GLSL 1.20
            // compares only through shadow samplers, which a Cg sampler is not.
            bool proj = b.form == TextureForm::Proj;
            std::string name = std::string("cg_") + b.name + "_compare";
            std::string at = std::string("c.") + parts[b.dims] + (proj ? " / c.w" : "");
            std::string depth = std::string("c.") + "xyzw"[b.dims] + (proj ? " / c.w" : "");
            return helper(name, named(name) + "    return vec4(" + depth + " <= " + lookup + "(s, " + at + lookupArgs +
                                    ").x ? 1.0 : 0.0);\n}\n");
        }
        if (b.form == TextureForm::Proj) {
            if (b.sampler == BaseType::SamplerCube) return "textureCube(" + args[0] + ", (" + args[1] + ").xyz / (" + args[1] + ").w)";
            return (b.sampler == BaseType::SamplerRect ? "texture2DRectProj(" : fn + "Proj(") + args[0] + ", " + args[1] + ")";
        }
        if (grad) return lookup + "(" + args[0] + ", " + args[1] + ", " + args[2] + ", " + args[3] + ")";
        return fn + "(" + args[0] + ", " + args[1] + ")";
    case TextureForm::Lod: {
        usesTextureLod = stage == Stage::Fragment || usesTextureLod;
        std::string name = std::string("cg_") + b.name;
        return helper(name, named(name) + "    return " + fn + "Lod(s, c." + parts[b.dims] + ", c.w);\n}\n");
    }
    case TextureForm::Bias: {
        std::string name = std::string("cg_") + b.name;
        return helper(name, named(name) + "    return " + fn + "(s, c." + parts[b.dims] + ", c.w);\n}\n");
    }
    case TextureForm::Size:
    case TextureForm::Fetch: break;  // refused when reached
    }
    return "vec4(0.0)";
}

}  // namespace cgc
