#include "check/builtins.h"

#include <cstring>

namespace cgc {
namespace {

using K = BuiltinKind;
constexpr BaseType none = BaseType::Error;

const Builtin builtins[] = {
    {"abs", K::Unary, "abs", none, 0, 0, false},
    {"sign", K::Unary, "sign", none, 0, 0, false},
    {"floor", K::Unary, "floor", none, 0, 0, false},
    {"ceil", K::Unary, "ceil", none, 0, 0, false},
    {"frac", K::Unary, "fract", none, 0, 0, false},
    {"sqrt", K::Unary, "sqrt", none, 0, 0, false},
    {"rsqrt", K::Unary, "inversesqrt", none, 0, 0, false},
    {"exp", K::Unary, "exp", none, 0, 0, false},
    {"exp2", K::Unary, "exp2", none, 0, 0, false},
    {"log", K::Unary, "log", none, 0, 0, false},
    {"log2", K::Unary, "log2", none, 0, 0, false},
    {"sin", K::Unary, "sin", none, 0, 0, false},
    {"cos", K::Unary, "cos", none, 0, 0, false},
    {"tan", K::Unary, "tan", none, 0, 0, false},
    {"asin", K::Unary, "asin", none, 0, 0, false},
    {"acos", K::Unary, "acos", none, 0, 0, false},
    {"atan", K::Unary, "atan", none, 0, 0, false},
    {"radians", K::Unary, "radians", none, 0, 0, false},
    {"degrees", K::Unary, "degrees", none, 0, 0, false},
    {"normalize", K::Unary, "normalize", none, 0, 0, false},
    {"saturate", K::Unary, "", none, 0, 0, false},
    {"ddx", K::Unary, "dFdx", none, 0, 0, true},
    {"ddy", K::Unary, "dFdy", none, 0, 0, true},
    {"pow", K::Binary, "pow", none, 0, 0, false},
    {"fmod", K::Binary, "", none, 0, 0, false},
    {"atan2", K::Binary, "atan", none, 0, 0, false},
    {"step", K::Binary, "step", none, 0, 0, false},
    {"min", K::Binary, "min", none, 0, 0, false},
    {"max", K::Binary, "max", none, 0, 0, false},
    {"reflect", K::Binary, "reflect", none, 0, 0, false},
    {"clamp", K::Ternary, "clamp", none, 0, 0, false},
    {"smoothstep", K::Ternary, "smoothstep", none, 0, 0, false},
    {"lerp", K::Lerp, "mix", none, 0, 0, false},
    {"length", K::Length, "length", none, 0, 0, false},
    {"distance", K::Distance, "distance", none, 0, 0, false},
    {"dot", K::Dot, "dot", none, 0, 0, false},
    {"cross", K::Cross, "cross", none, 0, 0, false},
    {"mul", K::Mul, "", none, 0, 0, false},
    {"any", K::AnyAll, "any", none, 0, 0, false},
    {"all", K::AnyAll, "all", none, 0, 0, false},
    {"transpose", K::Transpose, "transpose", none, 0, 0, false},
    {"clip", K::Clip, "", none, 0, 0, false},
    {"tex1D", K::Texture, "texture1D", BaseType::Sampler1D, 1, 0, false},
    {"tex2D", K::Texture, "texture2D", BaseType::Sampler2D, 2, 0, false},
    {"tex3D", K::Texture, "texture3D", BaseType::Sampler3D, 3, 0, false},
    {"texCUBE", K::Texture, "textureCube", BaseType::SamplerCube, 3, 0, false},
    {"texRECT", K::Texture, "texture2DRect", BaseType::SamplerRect, 2, 0, false},
    {"tex1Dproj", K::Texture, "texture1DProj", BaseType::Sampler1D, 4, 2, false},
    {"tex2Dproj", K::Texture, "texture2DProj", BaseType::Sampler2D, 4, 3, false},
    {"tex3Dproj", K::Texture, "texture3DProj", BaseType::Sampler3D, 4, 0, false},
    {"texCUBEproj", K::Texture, "", BaseType::SamplerCube, 4, 0, false},
    {"texRECTproj", K::Texture, "texture2DRectProj", BaseType::SamplerRect, 4, 3, false},
};

}  // namespace

const Builtin* findBuiltin(const std::string& name) {
    for (const Builtin& b : builtins)
        if (name == b.name) return &b;
    return nullptr;
}

}  // namespace cgc
