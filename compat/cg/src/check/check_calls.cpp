// Calls: overload resolution of the shader's own functions and the typing of
// the standard library.
#include <algorithm>
#include <map>

#include "check/builtins.h"
#include "check/checker_state.h"
#include "check/conversions.h"

namespace cgc {
namespace {

Type floatOf(const Type& t) { return t.withBase(BaseType::Float); }

std::string argumentList(const Expr& e) {
    std::string list;
    for (const ExprPtr& a : e.args) list += (list.empty() ? "" : ", ") + typeName(a->type);
    return list;
}

// Standard library functions of the Cg language reference that the profiles
// we compile for lack, with the profiles that have them.
const char* profilesOfMissingFunction(const std::string& name) {
    static const char* const gp4 = "the gp4 and newer profiles";
    static const char* const gp5 = "the gp5 and newer profiles";
    static const char* const nv = "the fp30, fp40 and gp4 and newer profiles, whose assembly has packing instructions";
    static const char* const fp40 = "the fp40, vp40 and gp4 and newer profiles";
    static const std::map<std::string, const char*> missing = [] {
        std::map<std::string, const char*> m;
        for (const char* n : {"bitCount", "bitfieldExtract", "bitfieldInsert", "bitfieldReverse", "findLSB", "findMSB",
                              "floatToIntBits", "floatToRawIntBits", "intBitsToFloat", "texBUF", "texBUFsize",
                              "texRBUF", "texRBUFsize"})
            m[n] = gp4;
        for (const char* d : {"tex1DARRAY", "tex2DARRAY"})
            for (const char* form : {"", "bias", "cmpbias", "cmplod", "fetch", "lod", "proj", "size"})
                m[std::string(d) + form] = gp4;
        for (const char* n : {"tex2DMSfetch", "tex2DMSsize", "tex2DMSARRAYfetch", "tex2DMSARRAYsize", "texCUBEARRAY",
                              "texCUBEARRAYbias", "texCUBEARRAYlod", "texCUBEARRAYsize"})
            m[n] = gp5;
        for (const char* n : {"tex1Dcmpbias", "tex1Dcmplod", "tex2Dcmpbias", "tex2Dcmplod"}) m[n] = fp40;
        for (const char* n : {"pack_2half", "pack_2ushort", "pack_4byte", "pack_4ubyte", "unpack_2half",
                              "unpack_2ushort", "unpack_4byte", "unpack_4ubyte"})
            m[n] = nv;
        return m;
    }();
    auto found = missing.find(name);
    return found == missing.end() ? nullptr : found->second;
}

// The GLSL names that Cg spells otherwise, for the diagnostic.
std::string standardName(const std::string& name) {
    static const std::map<std::string, const char*> glslNames = {
        {"texture2D", "tex2D"}, {"texture", "tex2D"}};
    auto found = glslNames.find(name);
    if (found == glslNames.end()) return "";
    return std::string(" (the Cg standard library calls it '") + found->second + "')";
}

// GLSL's spellings of standard-library functions, met in shaders written
// for both languages and accepted by the compilers Cg programs were built
// with. Taken with a warning: the Cg name, or, for 'mod', GLSL's own
// function, whose result differs from 'fmod' for negative operands.
const Builtin* glslSpelling(const std::string& name, std::string& cgName, std::string& warning) {
    static const Builtin glslMod{"mod", BuiltinKind::Binary, "mod", BaseType::Error, 0, TextureForm::Plain, false};
    static const std::map<std::string, const char*> renamed = {
        {"mix", "lerp"}, {"fract", "frac"}, {"inversesqrt", "rsqrt"}, {"dFdx", "ddx"}, {"dFdy", "ddy"}};
    if (name == "mod") {
        cgName = name;
        warning = "'mod' is GLSL's: taken as x - y * floor(x / y), which differs from Cg's 'fmod' for negative "
                  "operands";
        return &glslMod;
    }
    auto found = renamed.find(name);
    if (found == renamed.end()) return nullptr;
    cgName = found->second;
    warning = "'" + name + "' is GLSL's name: taken as Cg's '" + cgName + "'";
    return findBuiltin(cgName);
}

}  // namespace

void Checker::checkCall(Expr& e) {
    e.type = Type::error();
    for (const ExprPtr& a : e.args)
        if (a->type.isError()) return;
    auto found = functions.find(e.text);
    if (found != functions.end()) return checkUserCall(e, found->second);
    if (const Builtin* b = findBuiltin(e.text)) return checkBuiltinCall(e, *b);
    std::string cgName, warning;
    if (const Builtin* b = glslSpelling(e.text, cgName, warning)) {
        diag.warning(e.line, warning);
        e.text = cgName;
        return checkBuiltinCall(e, *b);
    }
    if (const char* profiles = profilesOfMissingFunction(e.text)) {
        // In the standard library, but not in these profiles: refused where reached.
        if (!current) return diag.error(e.line, "'" + e.text + "' is only available in " + profiles);
        return markUnavailable(e.line, "'" + e.text + "' is only available in " + profiles);
    }
    reportUndeclared(e.line, "function '" + e.text + "' is not declared" + standardName(e.text));
}

void Checker::markUnavailable(int line, const std::string& message) {
    if (current && !current->unavailableLine) {
        current->unavailableLine = line;
        current->unavailableMessage = message;
    }
}

void Checker::reportUndeclared(int line, const std::string& message) {
    if (!current) return diag.error(line, message);
    current->undeclared.emplace_back(line, message);
}

void Checker::checkUserCall(Expr& e, const std::vector<FunctionDecl*>& candidates) {
    if (!current) {
        diag.error(e.line, "the initial value of a global cannot call '" + e.text + "'");
        return;
    }
    FunctionDecl* best = nullptr;
    int bestCost = -1;
    bool ambiguous = false;
    for (FunctionDecl* f : candidates) {
        if (f->params.size() != e.args.size()) continue;
        int cost = 0;
        for (size_t i = 0; i < e.args.size() && cost >= 0; ++i) {
            const VarDecl& p = *f->params[i];
            int c = p.isOut ? (e.args[i]->type == p.type ? 0 : -1) : conversionCost(e.args[i]->type, p.type);
            cost = c < 0 ? -1 : cost + c;
        }
        if (cost < 0) continue;
        if (!best || cost < bestCost) {
            best = f;
            bestCost = cost;
            ambiguous = false;
        } else if (cost == bestCost && !sameSignature(*best, *f)) {
            ambiguous = true;
        }
    }
    if (!best) {
        diag.error(e.line, "no function '" + e.text + "' takes (" + argumentList(e) + ")");
        return;
    }
    if (ambiguous) {
        diag.error(e.line, "the call of '" + e.text + "' with (" + argumentList(e) + ") is ambiguous");
        return;
    }
    for (size_t i = 0; i < e.args.size(); ++i) {
        const VarDecl& p = *best->params[i];
        if (p.isOut && !e.args[i]->lvalue) {
            diag.error(e.args[i]->line, "argument " + std::to_string(i + 1) + " of '" + e.text +
                                            "' is out and needs a variable");
            return;
        }
        if (p.isOut) markWritten(*e.args[i]);
        if (!p.isIn) continue;
        if (!p.isOut) warnTruncation(*e.args[i], p.type);
        if (!p.isOut) e.args[i] = convertTo(std::move(e.args[i]), p.type);
    }
    e.function = best;
    e.type = best->returnType;
    if (current && std::find(current->calls.begin(), current->calls.end(), best) == current->calls.end())
        current->calls.push_back(best);
}

void Checker::checkBuiltinCall(Expr& e, const Builtin& b) {
    const std::string& name = e.text;
    auto arity = [&](size_t n) {
        if (e.args.size() == n) return true;
        diag.error(e.line, "'" + name + "' takes " + std::to_string(n) + " argument" + (n == 1 ? "" : "s") +
                               ", " + std::to_string(e.args.size()) + " given");
        return false;
    };
    auto numeric = [&](bool allowMatrix) {
        for (const ExprPtr& a : e.args)
            if (!a->type.isNumeric() || (!allowMatrix && a->type.isMatrix())) {
                diag.error(a->line, "'" + name + "' does not take " + typeName(a->type));
                return false;
            }
        return true;
    };
    // The arguments' common float type, scalars smeared.
    auto common = [&](size_t from, size_t to, Type& result) {
        result = e.args[from]->type;
        for (size_t i = from + 1; i < to; ++i) {
            bool truncated = false;
            Type next;
            if (!commonType(result, e.args[i]->type, next, truncated)) {
                diag.error(e.line, "'" + name + "' cannot combine " + typeName(result) + " and " +
                                       typeName(e.args[i]->type));
                return false;
            }
            if (truncated) diag.warning(e.line, "the longer vector is cut to " + typeName(next));
            result = next;
        }
        result = floatOf(result);
        for (size_t i = from; i < to; ++i) e.args[i] = convertTo(std::move(e.args[i]), result);
        return true;
    };
    Type t;
    e.builtin = &b;
    switch (b.kind) {
    case BuiltinKind::Unary:
    case BuiltinKind::Binary:
    case BuiltinKind::Ternary: {
        size_t n = b.kind == BuiltinKind::Unary ? 1 : b.kind == BuiltinKind::Binary ? 2 : 3;
        if (!arity(n) || !numeric(false) || !common(0, n, t)) return;
        if (name == "reflect" && !t.isVector()) {
            diag.error(e.line, "'reflect' takes vectors");
            return;
        }
        if (b.fragmentOnly && current && !current->derivativeLine) current->derivativeLine = e.line;
        e.type = t;
        return;
    }
    case BuiltinKind::Lerp:
        if (!arity(3) || !numeric(false) || !common(0, 2, t)) return;
    {
        Type weight = e.args[2]->type.isScalar() ? Type::scalar(BaseType::Float) : t;
        if (conversionCost(e.args[2]->type, weight) >= 0) e.args[2] = convertTo(std::move(e.args[2]), weight);
    }
        if (!e.args[2]->type.isScalar() && !(e.args[2]->type == t)) {
            diag.error(e.line, "the weight of 'lerp' must be a scalar or " + typeName(t));
            return;
        }
        e.type = t;
        return;
    case BuiltinKind::Length:
        if (!arity(1) || !numeric(false) || !common(0, 1, t)) return;
        e.type = Type::scalar(BaseType::Float);
        return;
    case BuiltinKind::Distance:
    case BuiltinKind::Dot:
        if (!arity(2) || !numeric(false) || !common(0, 2, t)) return;
        e.type = Type::scalar(BaseType::Float);
        return;
    case BuiltinKind::Cross:
        if (!arity(2) || !numeric(false)) return;
        for (ExprPtr& a : e.args) {
            a = convertOrReport(std::move(a), Type::vector(BaseType::Float, 3), "for 'cross'");
            if (a->type.isError()) return;
        }
        e.type = Type::vector(BaseType::Float, 3);
        return;
    case BuiltinKind::Mul: {
        if (!arity(2) || !numeric(true)) return;
        Type a = e.args[0]->type, c = e.args[1]->type;
        if (a.isScalar() || c.isScalar()) {
            if (!common(0, 2, t)) return;
            e.type = t;
        } else if (a.isMatrix() && c.isMatrix()) {
            if (a.cols != c.rows) {
                diag.error(e.line, "'mul' cannot multiply " + typeName(a) + " by " + typeName(c));
                return;
            }
            e.type = Type::matrix(a.rows, c.cols);
        } else if (a.isMatrix()) {
            e.args[1] = convertOrReport(std::move(e.args[1]), Type::vector(BaseType::Float, a.cols), "for 'mul'");
            e.type = Type::vector(BaseType::Float, a.rows);
        } else if (c.isMatrix()) {
            e.args[0] = convertOrReport(std::move(e.args[0]), Type::vector(BaseType::Float, c.rows), "for 'mul'");
            e.type = Type::vector(BaseType::Float, c.cols);
        } else {
            diag.error(e.line, "'mul' needs a matrix; use dot() for two vectors");
            return;
        }
        if (e.args[0]->type.isError() || e.args[1]->type.isError()) e.type = Type::error();
        return;
    }
    case BuiltinKind::AnyAll:
        if (!arity(1) || !numeric(false)) return;
        e.type = Type::scalar(BaseType::Bool);
        return;
    case BuiltinKind::Transpose:
        if (!arity(1)) return;
        if (!e.args[0]->type.isMatrix()) {
            diag.error(e.line, "'transpose' takes a matrix");
            return;
        }
        e.type = Type::matrix(e.args[0]->type.cols, e.args[0]->type.rows);
        return;
    case BuiltinKind::Clip:
        if (!arity(1) || !numeric(false) || !common(0, 1, t)) return;
        if (current && !current->discardLine) current->discardLine = e.line;
        e.type = Type::voidType();
        return;
    case BuiltinKind::Determinant:
    case BuiltinKind::Inverse:
        if (!arity(1)) return;
        if (!e.args[0]->type.isMatrix() || e.args[0]->type.rows != e.args[0]->type.cols) {
            diag.error(e.line, "'" + e.text + "' takes a square matrix");
            return;
        }
        e.type = b.kind == BuiltinKind::Inverse ? e.args[0]->type.withBase(BaseType::Float) : Type::scalar(BaseType::Float);
        return;
    case BuiltinKind::Classify:
        if (!arity(1) || !numeric(false) || !common(0, 1, t)) return;
        e.type = t.withBase(BaseType::Bool);
        return;
    case BuiltinKind::Modf:
    case BuiltinKind::Sincos: {
        size_t n = b.kind == BuiltinKind::Sincos ? 3 : 2;
        if (!arity(n) || !numeric(false) || !common(0, 1, t)) return;
        for (size_t i = 1; i < n; ++i) {
            Expr& out = *e.args[i];
            if (!out.lvalue || !(out.type == t)) {
                diag.error(out.line, "argument " + std::to_string(i + 1) + " of '" + name + "' is out and needs a " +
                                         typeName(t) + " variable");
                return;
            }
            markWritten(out);
        }
        e.type = b.kind == BuiltinKind::Sincos ? Type::voidType() : t;
        return;
    }
    case BuiltinKind::Ldexp:
        if (!arity(2) || !numeric(false) || !common(0, 2, t)) return;
        e.type = t;
        return;
    case BuiltinKind::Lit:
        if (!arity(3) || !numeric(false)) return;
        for (ExprPtr& a : e.args) {
            a = convertOrReport(std::move(a), Type::scalar(BaseType::Float), "for 'lit'");
            if (a->type.isError()) return;
        }
        e.type = Type::vector(BaseType::Float, 4);
        return;
    case BuiltinKind::Refract:
        if (!arity(3) || !numeric(false) || !common(0, 2, t)) return;
        if (!t.isVector()) {
            diag.error(e.line, "'refract' takes vectors");
            return;
        }
        e.args[2] = convertOrReport(std::move(e.args[2]), Type::scalar(BaseType::Float), "as the index ratio of 'refract'");
        if (e.args[2]->type.isError()) return;
        e.type = t;
        return;
    case BuiltinKind::Texture: checkTextureCall(e, b); return;
    }
}

void Checker::checkTextureCall(Expr& e, const Builtin& b) {
    const std::string& name = e.text;
    size_t n = e.args.size();
    // Every form may end with a texel offset (an int per dimension), which
    // the profile documentation gives to gp4 and newer profiles only: it is
    // checked here and refused where an entry reaches it.
    bool plainOrGrad = b.form == TextureForm::Plain;
    bool offsetForm = b.sampler != BaseType::SamplerCube && b.form != TextureForm::Size &&
                      (n == 3 || (plainOrGrad && n == 5));
    if (offsetForm) {
        ExprPtr& offset = e.args.back();
        offset = convertOrReport(std::move(offset), b.dims == 1 ? Type::scalar(BaseType::Int)
                                                                : Type::vector(BaseType::Int, b.dims),
                                 "as texel offset");
        if (offset->type.isError()) return;
        n -= 1;
    }
    if (n != 2 && n != 4) {
        diag.error(e.line, "'" + name + "' takes 2 or 4 arguments, " + std::to_string(e.args.size()) + " given");
        return;
    }
    const Type& s = e.args[0]->type;
    if (!(s == Type::scalar(b.sampler))) {
        diag.error(e.line, "'" + name + "' needs a " + typeName(Type::scalar(b.sampler)) + ", not " + typeName(s));
        return;
    }
    // A coordinate one longer than the lookup needs carries a depth to
    // compare with (not for 3D and cube maps).
    bool compares = b.sampler != BaseType::Sampler3D && b.sampler != BaseType::SamplerCube;
    int size = b.dims, shadowSize = compares ? b.dims + 1 : 0;
    BaseType coordBase = BaseType::Float;
    Type result = Type::vector(BaseType::Float, 4);
    switch (b.form) {
    case TextureForm::Plain: break;
    case TextureForm::Proj:
        size = b.dims + 1;
        shadowSize = compares ? b.dims + 2 : 0;
        if (b.sampler == BaseType::Sampler1D && n == 2 && e.args[1]->type.isVector() && e.args[1]->type.cols == 4)
            size = 4;  // the four-component form GLSL also takes: q in w
        break;
    case TextureForm::Lod:
    case TextureForm::Bias: size = 4; shadowSize = 0; break;
    case TextureForm::Size:
        size = 1;
        shadowSize = 0;
        coordBase = BaseType::Int;
        result = Type::vector(BaseType::Int, 3);
        break;
    case TextureForm::Fetch: size = 4; shadowSize = 0; coordBase = BaseType::Int; break;
    }
    if (n == 4 && b.form != TextureForm::Plain) {
        diag.error(e.line, "'" + name + "' takes 2 arguments, 4 given");
        return;
    }
    const Type& coord = e.args[1]->type;
    if (shadowSize && coord.isVector() && coord.cols == shadowSize) size = shadowSize;
    e.args[1] = convertOrReport(std::move(e.args[1]), Type::vector(coordBase, size),
                                b.form == TextureForm::Size ? "as level of detail" : "as texture coordinate");
    if (e.args[1]->type.isError()) return;
    if (n == 4) {
        // Explicit derivatives of the coordinates along x and y.
        int derivativeSize = b.sampler == BaseType::SamplerCube ? 3 : b.dims;
        for (size_t i = 2; i < 4; ++i) {
            e.args[i] = convertOrReport(std::move(e.args[i]), Type::vector(BaseType::Float, derivativeSize), "as derivative");
            if (e.args[i]->type.isError()) return;
        }
    }
    if (current) {
        if (!current->textureLine) current->textureLine = e.line;
        if (b.form == TextureForm::Size || b.form == TextureForm::Fetch || offsetForm)
            markUnavailable(e.line, "'" + name + (offsetForm ? "' with a texel offset" : "'") +
                                        " is only available in the gp4 and newer profiles");
    }
    e.type = result;
}

}  // namespace cgc
