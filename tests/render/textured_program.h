// A Cg program that draws a textured, tinted quad, as the game's sprites do.
#pragma once

#include "render/program.h"
#include "render/render_state.h"
#include "render/texture.h"

inline const char* const texturedSource =
    "sampler2D texture;\n"
    "float4 color;\n"
    "struct VertexOut { float4 position : POSITION; float2 uv : TEXCOORD0; };\n"
    "VertexOut vsMain(float4 position : POSITION, float2 uv : TEXCOORD0) {\n"
    "    VertexOut o;\n"
    "    o.position = position;\n"
    "    o.uv = uv;\n"
    "    return o;\n"
    "}\n"
    "float4 psMain(float2 uv : TEXCOORD0) : COLOR { return tex2D(texture, uv) * color; }\n";

// One quad over the NDC rectangle (x0, y0)-(x1, y1), the whole texture on
// it, sent one vertex attribute at a time as the game sends its sprites.
inline void texturedQuadVertices(float x0, float y0, float x1, float y1) {
    using namespace Zephra;
    begin(Quads);
    vertex(VertexTexCoord0, 0, 0, 0, 1);
    vertex(VertexPosition, x0, y0, 0, 1);
    vertex(VertexTexCoord0, 1, 0, 0, 1);
    vertex(VertexPosition, x1, y0, 0, 1);
    vertex(VertexTexCoord0, 1, 1, 0, 1);
    vertex(VertexPosition, x1, y1, 0, 1);
    vertex(VertexTexCoord0, 0, 1, 0, 1);
    vertex(VertexPosition, x0, y1, 0, 1);
    glEnd();
}

// Draws texture over the NDC rectangle (x0, y0)-(x1, y1), tinted by tint.
inline void drawTexturedQuad(Zephra::Program& program, const Zephra::Texture& texture,
                             const float tint[4], float x0, float y0, float x1, float y1) {
    using namespace Zephra;
    program.bind();
    program.getParameter("texture").setTexture(texture);
    program.getParameter("color").setFloat4(tint);
    program.applyStateMatrices();
    texturedQuadVertices(x0, y0, x1, y1);
}
