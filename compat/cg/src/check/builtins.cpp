#include "check/builtins.h"

#include <string>
#include <unordered_map>

namespace cgc {
namespace {

using K = BuiltinKind;
using F = TextureForm;
constexpr BaseType none = BaseType::Error;

const Builtin builtins[] = {
    {"abs", K::Unary, "abs", none, 0, F::Plain, false},
    {"sign", K::Unary, "sign", none, 0, F::Plain, false},
    {"floor", K::Unary, "floor", none, 0, F::Plain, false},
    {"ceil", K::Unary, "ceil", none, 0, F::Plain, false},
    {"frac", K::Unary, "fract", none, 0, F::Plain, false},
    {"sqrt", K::Unary, "sqrt", none, 0, F::Plain, false},
    {"rsqrt", K::Unary, "inversesqrt", none, 0, F::Plain, false},
    {"exp", K::Unary, "exp", none, 0, F::Plain, false},
    {"exp2", K::Unary, "exp2", none, 0, F::Plain, false},
    {"log", K::Unary, "log", none, 0, F::Plain, false},
    {"log2", K::Unary, "log2", none, 0, F::Plain, false},
    {"sin", K::Unary, "sin", none, 0, F::Plain, false},
    {"cos", K::Unary, "cos", none, 0, F::Plain, false},
    {"tan", K::Unary, "tan", none, 0, F::Plain, false},
    {"asin", K::Unary, "asin", none, 0, F::Plain, false},
    {"acos", K::Unary, "acos", none, 0, F::Plain, false},
    {"atan", K::Unary, "atan", none, 0, F::Plain, false},
    {"radians", K::Unary, "radians", none, 0, F::Plain, false},
    {"degrees", K::Unary, "degrees", none, 0, F::Plain, false},
    {"normalize", K::Unary, "normalize", none, 0, F::Plain, false},
    {"saturate", K::Unary, "", none, 0, F::Plain, false},
    {"trunc", K::Unary, "", none, 0, F::Plain, false},
    {"round", K::Unary, "", none, 0, F::Plain, false},
    {"sinh", K::Unary, "", none, 0, F::Plain, false},
    {"cosh", K::Unary, "", none, 0, F::Plain, false},
    {"tanh", K::Unary, "", none, 0, F::Plain, false},
    {"log10", K::Unary, "", none, 0, F::Plain, false},
    {"ddx", K::Unary, "dFdx", none, 0, F::Plain, true},
    {"ddy", K::Unary, "dFdy", none, 0, F::Plain, true},
    {"fwidth", K::Unary, "fwidth", none, 0, F::Plain, true},
    {"pow", K::Binary, "pow", none, 0, F::Plain, false},
    {"fmod", K::Binary, "", none, 0, F::Plain, false},
    {"atan2", K::Binary, "atan", none, 0, F::Plain, false},
    {"step", K::Binary, "step", none, 0, F::Plain, false},
    {"min", K::Binary, "min", none, 0, F::Plain, false},
    {"max", K::Binary, "max", none, 0, F::Plain, false},
    {"reflect", K::Binary, "reflect", none, 0, F::Plain, false},
    {"clamp", K::Ternary, "clamp", none, 0, F::Plain, false},
    {"smoothstep", K::Ternary, "smoothstep", none, 0, F::Plain, false},
    {"faceforward", K::Ternary, "faceforward", none, 0, F::Plain, false},
    {"lerp", K::Lerp, "mix", none, 0, F::Plain, false},
    {"length", K::Length, "length", none, 0, F::Plain, false},
    {"distance", K::Distance, "distance", none, 0, F::Plain, false},
    {"dot", K::Dot, "dot", none, 0, F::Plain, false},
    {"cross", K::Cross, "cross", none, 0, F::Plain, false},
    {"mul", K::Mul, "", none, 0, F::Plain, false},
    {"any", K::AnyAll, "any", none, 0, F::Plain, false},
    {"all", K::AnyAll, "all", none, 0, F::Plain, false},
    {"transpose", K::Transpose, "transpose", none, 0, F::Plain, false},
    {"determinant", K::Determinant, "", none, 0, F::Plain, false},
    {"inverse", K::Inverse, "", none, 0, F::Plain, false},
    {"clip", K::Clip, "", none, 0, F::Plain, false},
    {"isnan", K::Classify, "", none, 0, F::Plain, false},
    {"isinf", K::Classify, "", none, 0, F::Plain, false},
    {"isfinite", K::Classify, "", none, 0, F::Plain, false},
    {"modf", K::Modf, "", none, 0, F::Plain, false},
    {"frexp", K::Modf, "", none, 0, F::Plain, false},
    {"ldexp", K::Ldexp, "", none, 0, F::Plain, false},
    {"sincos", K::Sincos, "", none, 0, F::Plain, false},
    {"lit", K::Lit, "", none, 0, F::Plain, false},
    {"refract", K::Refract, "refract", none, 0, F::Plain, false},
    {"tex1D", K::Texture, "texture1D", BaseType::Sampler1D, 1, F::Plain, false},
    {"tex1Dproj", K::Texture, "texture1D", BaseType::Sampler1D, 1, F::Proj, false},
    {"tex1Dlod", K::Texture, "texture1D", BaseType::Sampler1D, 1, F::Lod, false},
    {"tex1Dbias", K::Texture, "texture1D", BaseType::Sampler1D, 1, F::Bias, false},
    {"tex1Dsize", K::Texture, "texture1D", BaseType::Sampler1D, 1, F::Size, false},
    {"tex1Dfetch", K::Texture, "texture1D", BaseType::Sampler1D, 1, F::Fetch, false},
    {"tex2D", K::Texture, "texture2D", BaseType::Sampler2D, 2, F::Plain, false},
    {"tex2Dproj", K::Texture, "texture2D", BaseType::Sampler2D, 2, F::Proj, false},
    {"tex2Dlod", K::Texture, "texture2D", BaseType::Sampler2D, 2, F::Lod, false},
    {"tex2Dbias", K::Texture, "texture2D", BaseType::Sampler2D, 2, F::Bias, false},
    {"tex2Dsize", K::Texture, "texture2D", BaseType::Sampler2D, 2, F::Size, false},
    {"tex2Dfetch", K::Texture, "texture2D", BaseType::Sampler2D, 2, F::Fetch, false},
    {"tex3D", K::Texture, "texture3D", BaseType::Sampler3D, 3, F::Plain, false},
    {"tex3Dproj", K::Texture, "texture3D", BaseType::Sampler3D, 3, F::Proj, false},
    {"tex3Dlod", K::Texture, "texture3D", BaseType::Sampler3D, 3, F::Lod, false},
    {"tex3Dbias", K::Texture, "texture3D", BaseType::Sampler3D, 3, F::Bias, false},
    {"tex3Dsize", K::Texture, "texture3D", BaseType::Sampler3D, 3, F::Size, false},
    {"tex3Dfetch", K::Texture, "texture3D", BaseType::Sampler3D, 3, F::Fetch, false},
    {"texCUBE", K::Texture, "textureCube", BaseType::SamplerCube, 3, F::Plain, false},
    {"texCUBEproj", K::Texture, "textureCube", BaseType::SamplerCube, 3, F::Proj, false},
    {"texCUBElod", K::Texture, "textureCube", BaseType::SamplerCube, 3, F::Lod, false},
    {"texCUBEbias", K::Texture, "textureCube", BaseType::SamplerCube, 3, F::Bias, false},
    {"texCUBEsize", K::Texture, "textureCube", BaseType::SamplerCube, 3, F::Size, false},
    {"texRECT", K::Texture, "texture2DRect", BaseType::SamplerRect, 2, F::Plain, false},
    {"texRECTproj", K::Texture, "texture2DRect", BaseType::SamplerRect, 2, F::Proj, false},
    {"texRECTlod", K::Texture, "texture2DRect", BaseType::SamplerRect, 2, F::Lod, false},
    {"texRECTbias", K::Texture, "texture2DRect", BaseType::SamplerRect, 2, F::Bias, false},
    {"texRECTsize", K::Texture, "texture2DRect", BaseType::SamplerRect, 2, F::Size, false},
    {"texRECTfetch", K::Texture, "texture2DRect", BaseType::SamplerRect, 2, F::Fetch, false},
};

std::unordered_map<std::string, const Builtin*> makeIndex() {
    std::unordered_map<std::string, const Builtin*> index;
    for (const Builtin& b : builtins) index[b.name] = &b;
    return index;
}

}  // namespace

const Builtin* findBuiltin(const std::string& name) {
    static const std::unordered_map<std::string, const Builtin*> index = makeIndex();
    auto found = index.find(name);
    return found == index.end() ? nullptr : found->second;
}

}  // namespace cgc
