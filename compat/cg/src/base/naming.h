// Names in the generated GLSL. Every user identifier gets a prefix by kind,
// so none can clash with a GLSL keyword or built-in ("texture", "input"), and
// uniforms carry their stage so that the vertex and fragment "color" of one
// linked pair stay two uniforms.
#pragma once

#include <string>

#include "base/program_info.h"

namespace cgc {

enum class NameKind { Local, Global, Uniform, Function, Struct, Member };

std::string glslIdentifier(NameKind kind, const std::string& name, Stage stage);

}  // namespace cgc
