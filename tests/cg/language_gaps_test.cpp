// The constructs of shader collections without OpenGL: what they become, the
// warnings they earn, and the diagnostics of what stays invalid.
#include <gtest/gtest.h>

#include "driver/compile.h"

using cgc::Stage;

namespace {

cgc::CompileOutput compile(const std::string& source, Stage stage = Stage::Fragment) {
    return cgc::compileProgram(source, stage, "main", {});
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

void expectError(const std::string& source, const std::string& listingPart, Stage stage = Stage::Fragment) {
    cgc::CompileOutput out = compile(source, stage);
    EXPECT_FALSE(out.ok) << source;
    EXPECT_TRUE(contains(out.listing, listingPart)) << "listing was: " << out.listing;
}

}  // namespace

TEST(CgGaps, VaryingMembersWithoutSemantics) {
    cgc::CompileOutput out = compile(
        "struct in_vertex { bool dummy; float4 pos : POSITION; float3x3 unusedMatrix; };\n"
        "struct out_vertex { float4 pos : POSITION; float2 scratch; };\n"
        "out_vertex main(in_vertex IN) { out_vertex o; o.pos = IN.pos; o.scratch = 0; return o; }",
        Stage::Vertex);
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "cg_arg0.m_dummy = bool(0);")) << out.glsl;
    EXPECT_FALSE(contains(out.glsl, "m_scratch;\n    gl_"));
    // A parameter of its own still needs a semantic.
    expectError("float4 main(float4 p): COLOR { return p; }", "(1,20): error: parameter 'p' needs a semantic");
}

TEST(CgGaps, TextureFormsCheckedAndRefusedWhereReached) {
    cgc::CompileOutput out = compile(
        "sampler2D s; sampler1D one; sampler3D vol; samplerCUBE cube; samplerRECT rect;\n"
        "float4 helpers(float2 uv) {\n"
        "  int3 size = tex2Dsize(s, 0); return tex2Dfetch(s, int4(0, 0, 0, 0)) + size.x; }\n"
        "float4 main(float4 uv: TEXCOORD0): COLOR {\n"
        "  return tex1D(one, uv.x) + tex1D(one, uv.xy) + tex1Dproj(one, uv.xy) + tex1Dproj(one, uv.xyz)\n"
        "       + tex2D(s, uv.xy, uv.zw, uv.wz) + tex2D(s, uv.xyz, uv.zw, uv.wz) + tex2Dproj(s, uv)\n"
        "       + tex3D(vol, uv.xyz) + tex3D(vol, uv.xyz, uv.xyz, uv.xyz) + tex3Dproj(vol, uv) + tex3Dlod(vol, uv)\n"
        "       + texCUBE(cube, uv.xyz) + texCUBEproj(cube, uv) + texCUBEbias(cube, uv)\n"
        "       + texRECT(rect, uv.xy) + texRECT(rect, uv.xyz) + texRECTproj(rect, uv.xyz) + tex1Dbias(one, uv);\n}\n");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "#extension GL_ARB_shader_texture_lod : require"));
    EXPECT_TRUE(contains(out.glsl, "texture2DGradARB(fu_s, l_uv.xy, l_uv.zw, l_uv.wz)")) << out.glsl;
    EXPECT_TRUE(contains(out.glsl, "texture2DRectProj(fu_rect, l_uv.xyz)"));

    expectError("sampler2D s; float4 main(float2 uv: TEXCOORD0): COLOR {\n return tex2Dsize(s, 0).xyzz; }",
                "(2,9): error: 'tex2Dsize' is not available in the arbvp1 and arbfp1 profiles");
    expectError("sampler2D s; float4 main(float2 uv: TEXCOORD0): COLOR { return tex2D(s, uv, uv); }",
                "'tex2D' takes 2 or 4 arguments, 3 given");
    expectError("sampler2D s; float4 main(float2 uv: TEXCOORD0): COLOR { return tex2Dlod(s, uv, uv, uv); }",
                "'tex2Dlod' takes 2 arguments, 4 given");
    expectError("sampler3D s; float4 main(float2 uv: TEXCOORD0): COLOR { return tex3D(s, uv); }",
                "cannot convert float2 to float3 as texture coordinate");
    // A helper with a lookup is fine in a vertex program as long as it is not called.
    cgc::CompileOutput vertex = compile(
        "sampler2D s; float4 unused(float2 uv) { return tex2Dlod(s, float4(uv, 0, 0)); }\n"
        "float4 main(float4 p: POSITION): POSITION { return p; }",
        Stage::Vertex);
    EXPECT_TRUE(vertex.ok) << vertex.listing;
}

TEST(CgGaps, ComponentwiseLogicAndItsLimits) {
    cgc::CompileOutput out = compile(
        "float4 main(float4 c: COLOR0): COLOR { bool4 m = c > 0.5 && !(c < 0.25) || false; return m ? c : 1 - c; }");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "bvec4 cg_and4(bvec4 a, bvec4 b)"));
    EXPECT_TRUE(contains(out.glsl, "vec4 cg_select_vec4(bvec4 c, vec4 a, vec4 b)"));
    expectError("float4 main(float4 c: COLOR0): COLOR { bool4 m = c.xy > 0 && c > 0; return 1; }",
                "operator '&&' cannot combine bool2 and bool4");
    expectError("float4x4 M; float4 main(): COLOR { return M && M; }", "operator '&&' cannot combine float4x4");
    expectError("float4 main(float4 c: COLOR0): COLOR { return c.xy > 0 ? c : 0; }",
                "a bool2 condition cannot choose between float4 and int");
}

TEST(CgGaps, QualifiersArraySizesAndNames) {
    cgc::CompileOutput out = compile(
        "#define RADIUS 2\n"
        "static const int TAPS = RADIUS * 2 + 1;\n"
        "const int HALF = TAPS / 2;\n"
        "struct bc { uniform float4 c; float w[TAPS]; };\n"
        "float weight(in bc bc, const int i, static float s, uniform float k) { return bc.w[i] * s * k; }\n"
        "float4 main(uniform bc params): COLOR { float taps[HALF + (TAPS > 4 ? 1 : 0)]; taps[2] = weight(params, 0, 1, 2);\n"
        "  return taps[2]; }");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "float m_w[5];")) << out.glsl;
    EXPECT_TRUE(contains(out.glsl, "float l_taps[3];"));
    ASSERT_EQ(out.uniforms.size(), 6u);
    EXPECT_EQ(out.uniforms[5].name, "params.w[4]");

    expectError("float4 x; float4 main(): COLOR {\n float a[x.x]; return 1; }",
                "(2,10): error: array size must be a constant whole number from 1 to 4096");
    expectError("float4 main(): COLOR { int n = 2; float a[n]; return 1; }", "array size must be a constant");
    expectError("static const int N = 0; float4 main(): COLOR { float a[N - 1]; return 1; }", "array size must be");
    expectError("float4 main(): COLOR { float a[1 / 0]; return 1; }", "array size must be");
    expectError("static const int N = 2; float f(int N) {\n float a[N]; return 1; }\nfloat4 main(): COLOR { return f(1); }",
                "(2,10): error: array size must be");
    // A constant of a function does not reach the next one.
    expectError("void f() { const int K = 2; }\nfloat4 main(): COLOR { float a[K]; return 1; }", "(2,32): error: array size");
    expectError("float4 main(out uniform float4 c: COLOR): COLOR { return 1; }", "a uniform parameter cannot be out");
}

TEST(CgGaps, TruncationWarnsAndUniformsCopy) {
    cgc::CompileOutput out = compile(
        "float4 tint;\n"
        "float pick(float2 v) { return v.x; }\n"
        "float3 cut(float4 v) {\n  return v;\n}\n"
        "void brighten() { tint.rgb *= 2; }\n"
        "float4 main(float4 c: COLOR0): COLOR {\n  float x = c.xyz;\n  brighten();\n  return float4(cut(c) * x, pick(c));\n}\n");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.listing, "(4,10): warning: implicit truncation of float4 to float3")) << out.listing;
    EXPECT_TRUE(contains(out.listing, "(8,14): warning: implicit truncation of float3 to float")) << out.listing;
    EXPECT_TRUE(contains(out.listing, "(10,34): warning: implicit truncation of float4 to float2")) << out.listing;
    // The uniform stays for the runtime to set; the code reads and writes a copy.
    EXPECT_TRUE(contains(out.glsl, "uniform vec4 fu_tint;"));
    EXPECT_TRUE(contains(out.glsl, "g_tint = fu_tint;"));
    EXPECT_TRUE(contains(out.glsl, "(g_tint.rgb *= vec3(2))"));
    expectError("const float k = 1; float4 main(): COLOR { k = 2; return k; }", "cannot assign to const 'k'");
    expectError("sampler2D a, b; float4 main(): COLOR { a = b; return 1; }", "a sampler cannot be assigned");
    expectError("float4 main(float4 c: COLOR0): COLOR { float2 v = c; float4x4 m = c; return v.x; }",
                "cannot convert float4 to float4x4");
}

TEST(CgGaps, LibraryCallsCheckTheirArguments) {
    expectError("float4 main(): COLOR { float i; modf(1.5, 2); return 1; }",
                "argument 2 of 'modf' is out and needs a float variable");
    expectError("float4 main(): COLOR { float2 s; float c; sincos(0.5, s, c); return 1; }",
                "argument 2 of 'sincos' is out and needs a float variable");
    expectError("float4 main(): COLOR { return determinant(float2x3(1, 2, 3, 4, 5, 6)); }", "takes a square matrix");
    expectError("float4 main(): COLOR { return refract(1.0, 1.0, 1.0); }", "'refract' takes vectors");
    expectError("float4x4 M; float4 main(): COLOR { return lit(M, 1, 1); }", "'lit' does not take float4x4");
    expectError("float4 main(float4 p: POSITION): POSITION { return fwidth(p); }", "'ddx' and 'ddy' are only available",
                Stage::Vertex);
}

TEST(CgGaps, MatricesOfEveryShapeCommasAndSwizzledNumbers) {
    cgc::CompileOutput out = compile(
        "float4 main(): COLOR { int3x2 i = int3x2(1, 2, 3, 4, 5, 6); bool1x3 b = bool1x3(true, false, true);\n"
        "  half4x1 h = 0.5; fixed1x1 f = 2; float s = 0, t = (s = 1, s + 1);\n"
        "  return float4(0.5.xx, 1.0.r, i[2].y / 6.0) * h[3] * f * t * b._m02; }");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "mat3x2 l_i")) << out.glsl;
    EXPECT_TRUE(contains(out.glsl, "vec3 l_b"));
    EXPECT_TRUE(contains(out.glsl, "vec4 l_h"));
    EXPECT_TRUE(contains(out.glsl, "vec2(0.5)"));
    EXPECT_TRUE(contains(out.glsl, "((l_s = 1.0), (l_s + 1.0))")) << out.glsl;
    expectError("float4 main(): COLOR { return 0.25.xyq; }", "malformed number '0.25.xyq'");
    expectError("float4 main(): COLOR { return 0.25.xw; }", "'xw' is not a valid swizzle of float");
    expectError("float4 main(): COLOR { float1x4 r = 1; return r[1]; }", "index 1 is out of range for float1x4");
}
