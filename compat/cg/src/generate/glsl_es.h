// The GLSL ES 3.00 back end (OpenGL ES 3.0, WebGL 2): rewrites the GLSL 1.20
// that the writer produced for one stage. ES has no fixed-function inputs or
// outputs, so each one becomes a variable of its own whose name both stages
// agree on, and any vertex program still pairs with any fragment program:
//   vertex inputs    generic attributes at fixed locations: POSITION 0,
//                    NORMAL 2, COLOR0 3, COLOR1 4, TEXCOORD0-7 at 8-15,
//                    ATTRn at n (the aliasing of the ARB vertex profiles)
//   varyings         cg_Color0, cg_Color1, cg_TexCoord0 to 7; a vertex
//                    program declares all of them and starts them at 0
//   fragment colour  `out vec4 cg_FragColor` at location 0
// Texture lookups become texture(), textureProj(), textureLod() and
// textureGrad(); floats and ints are highp in both stages, so a uniform
// shared by the two stages has one precision. What ES lacks (1D and
// rectangle samplers) is left as written, for the driver to refuse.
#pragma once

#include <string>

#include "base/program_info.h"

namespace cgc {

std::string toGlslEs(const std::string& glsl120, Stage stage);

// ES has no fixed-function stage to pair a lone vertex or fragment program
// with: this stands in for the missing one, as fixed function would with
// identity matrices and no texturing (positions and attributes pass
// through; the fragment colour is the interpolated primary colour).
std::string glslEsStandIn(Stage missing);

}  // namespace cgc
