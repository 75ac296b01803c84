// The standard library functions: how each is checked and what it becomes.
#pragma once

#include "base/types.h"

namespace cgc {

enum class BuiltinKind {
    Unary,        // f(x): same type, float
    Binary,       // f(a, b): common type, float
    Ternary,      // f(a, b, c): common type, float
    Lerp,         // lerp(a, b, t): t may stay scalar
    Length,       // length(v) -> float
    Distance,     // distance(a, b) -> float
    Dot,          // dot(a, b) -> float
    Cross,        // cross(float3, float3) -> float3
    Mul,          // matrix and vector products
    AnyAll,       // any(x), all(x) -> bool
    Transpose,    // transpose(M)
    Determinant,  // determinant(M) -> float, square M
    Clip,         // clip(x): discards the fragment
    Classify,     // isnan, isinf, isfinite: bool of x's shape
    Modf,         // modf(x, out ip), frexp(x, out e): x's type, the out of x's type
    Ldexp,        // ldexp(x, e)
    Sincos,       // sincos(x, out s, out c)
    Lit,          // lit(NdotL, NdotH, m) -> float4
    Refract,      // refract(i, n, eta)
    Texture       // texture lookups
};

// Which lookup of a sampler: the forms each takes are in the checker.
enum class TextureForm { Plain, Proj, Lod, Bias, Size, Fetch };

struct Builtin {
    const char* name;
    BuiltinKind kind;
    const char* glsl;       // the GLSL function it becomes ("" when emitted specially)
    BaseType sampler;       // Texture: the sampler it takes
    int dims;               // Texture: the coordinates of a plain lookup
    TextureForm form;       // Texture
    bool fragmentOnly;      // derivatives
};

// The builtin of that name, or null.
const Builtin* findBuiltin(const std::string& name);

}  // namespace cgc
