// The standard library functions: how each is checked and what it becomes.
#pragma once

#include "compiler/types.h"

namespace cgc {

enum class BuiltinKind {
    Unary,       // f(x): same type, float
    Binary,      // f(a, b): common type, float
    Ternary,     // f(a, b, c): common type, float
    Lerp,        // lerp(a, b, t): t may stay scalar
    Length,      // length(v) -> float
    Distance,    // distance(a, b) -> float
    Dot,         // dot(a, b) -> float
    Cross,       // cross(float3, float3) -> float3
    Mul,         // matrix and vector products
    AnyAll,      // any(x), all(x) -> bool
    Transpose,   // transpose(M)
    Clip,        // clip(x): discards the fragment
    Texture      // texture lookups
};

struct Builtin {
    const char* name;
    BuiltinKind kind;
    const char* glsl;       // the GLSL function it becomes ("" when emitted specially)
    BaseType sampler;       // Texture: the sampler it takes
    int coordSize;          // Texture: the coordinate size
    int altCoordSize;       // Texture: a second accepted size, or 0
    bool fragmentOnly;      // derivatives
};

// The builtin of that name, or null.
const Builtin* findBuiltin(const std::string& name);

}  // namespace cgc
