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

namespace cgrt {

// The compiler's type of a numeric or sampler enumerant that programs can
// hold (float, half and fixed are float; int; bool); false for any other.
bool typeOfEnum(CGtype type, cgc::Type& out);

}  // namespace cgrt
