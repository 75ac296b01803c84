// The program's parameters as the API shows them: every entry parameter and
// global uniform with its struct members and array elements.
#pragma once

#include <vector>

#include "check/entry_point.h"

namespace cgc {

// Lists the parameters of a program whose entry was analysed into `entry`;
// uniform leaves point into entry.uniforms.
std::vector<ParameterNode> parameterTree(const Module& module, const EntryInterface& entry);

}  // namespace cgc
