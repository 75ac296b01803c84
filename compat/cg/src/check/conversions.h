// Cg's conversion rules: which types convert to which, implicitly or by cast,
// and the common type of operands.
#pragma once

#include <vector>

#include "parse/ast.h"

namespace cgc {

// Cost of converting implicitly from -> to: 0 when equal, larger for base
// changes, smearing and truncation, -1 when not allowed.
int conversionCost(const Type& from, const Type& to);
// Whether the implicit conversion from -> to drops components.
bool isTruncation(const Type& from, const Type& to);
// What a cast (type)x allows beyond the implicit conversions.
bool castAllowed(const Type& from, const Type& to);
// Wraps e in a conversion to `to` when its type differs.
ExprPtr convertTo(ExprPtr e, const Type& to);

// The type both numeric operands of an arithmetic operator become: scalars
// smear, the wider base wins (bool < int < float), a longer vector is cut to
// the shorter one (truncated is then set). False when they do not combine.
bool commonType(const Type& a, const Type& b, Type& result, bool& truncated);

}  // namespace cgc
