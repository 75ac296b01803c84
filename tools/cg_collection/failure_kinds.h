// Groups failures by the shape of their first error: the message with its
// location, quoted names and numbers taken out, so that "'tex1D' takes 2 or
// 4 arguments, 3 given" and the same for tex2D are one kind.
#pragma once

#include <string>

namespace cgcollection {

std::string failureKind(const std::string& firstError);

}  // namespace cgcollection
