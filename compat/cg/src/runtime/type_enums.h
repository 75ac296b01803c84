// The Cg type enumerants of the compiler's types, and their spellings.
#pragma once

#include "Cg/cg.h"
#include "driver/compile.h"

namespace cgrt {

// The enumerant of a scalar, vector, matrix or sampler type; arrays and
// structs are the caller's business.
CGtype typeEnum(const cgc::Type& type);
// CG_FLOAT for float4x4, CG_INT for int2; samplers are their own base.
CGtype baseTypeEnum(const cgc::Type& type);

}  // namespace cgrt
