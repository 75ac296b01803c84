// Expressions, fully parenthesised so that GLSL precedence never matters.
#include <cmath>
#include <cstdio>

#include "check/builtins.h"
#include "compiler/naming.h"
#include "emit/glsl_writer.h"

namespace cgc {
namespace {

std::string floatText(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.9g", v);
    std::string s = buffer;
    if (s.find_first_of(".e") == std::string::npos) s += ".0";
    return v < 0 ? "(" + s + ")" : s;
}

const char* const componentLetters = "xyzw";

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
    case ExprKind::Index: return expression(*e.args[0]) + "[" + expression(*e.args[1]) + "]";
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
        for (size_t i = 0; i + 1 < e.components.size(); i += 2)
            parts.push_back(base + "[" + std::to_string(e.components[i]) + "][" + std::to_string(e.components[i + 1]) + "]");
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
    if (e.op == Op::Multiply && a.type.isMatrix() && b.type.isMatrix()) return "matrixCompMult(" + left + ", " + right + ")";
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
    if (e.op == Op::MultiplyAssign && target.type.isMatrix()) return "(" + left + " = matrixCompMult(" + left + ", " + right + "))";
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
    if (name == "saturate") return "clamp(" + args[0] + ", 0.0, 1.0)";
    if (name == "fmod") {
        helperTypes[0].insert(type(e.type));
        return joined("cg_fmod");
    }
    if (name == "clip") {
        helperTypes[1].insert(type(e.args[0]->type));
        return joined("cg_clip");
    }
    if (name == "mul") {
        const Type& x = e.args[0]->type;
        const Type& y = e.args[1]->type;
        if (x.isScalar() || y.isScalar()) return "(" + args[0] + " * " + args[1] + ")";
        // Transposed storage: M v is v * M', v M is M' * v, A B is B' * A'.
        return "(" + args[1] + " * " + args[0] + ")";
    }
    if (name == "any" || name == "all") {
        const Type& x = e.args[0]->type;
        if (x.isScalar()) return x.base == BaseType::Bool ? args[0] : "(" + args[0] + " != " + convert("0", Type::scalar(BaseType::Int), x) + ")";
        if (x.base == BaseType::Bool) return joined(b.glsl);
        return name + "(notEqual(" + args[0] + ", " + type(x) + "(0)))";
    }
    if (name == "texCUBEproj") return "textureCube(" + args[0] + ", (" + args[1] + ").xyz / (" + args[1] + ").w)";
    if (b.sampler == BaseType::SamplerRect) usesRect = true;
    return joined(b.glsl);
}

}  // namespace cgc
