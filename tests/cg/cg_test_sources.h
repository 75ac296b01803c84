// The Cg sources the engine itself compiles, shared by the tests.
#pragma once

namespace cgtest {

constexpr const char* deviceSource =
    "float4 vsMain(in float4 p: POSITION): POSITION { return p; } "
    "float4 psMain(): COLOR { return float4(1,1,1,1); }";
constexpr const char* overlayVertexSource =
    "struct VSOut { float4 pos: POSITION; float2 tc: TEXCOORD; }; "
    "VSOut vsMain(float4 pos: POSITION, float2 tc: TEXCOORD) { VSOut OUT; OUT.pos = pos; OUT.tc = tc; return OUT; }";
constexpr const char* overlayFragmentSource =
    "sampler2D tex; float4 psMain(float2 tc: TEXCOORD): COLOR { return tex2D(tex, tc); }";

}  // namespace cgtest
