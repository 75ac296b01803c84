// Where each semantic lives in GLSL's fixed-function interface, per stage and
// direction, so that any vertex program pairs with any fragment program.
#pragma once

#include <string>

#include "base/program_info.h"

namespace cgc {

struct SemanticBinding {
    std::string glsl;       // "gl_Vertex", "gl_TexCoord[1]", "a_attr3"
    int size = 4;           // components of that variable
    int attribute = -1;     // generic attribute index for ATTRn
};

// False when the semantic has no meaning there.
bool bindSemantic(Stage stage, bool output, const std::string& semantic, SemanticBinding& binding);

}  // namespace cgc
