// Language features through the compiler: what each becomes in GLSL, and
// the diagnostics of what is not taken.
#include <gtest/gtest.h>

#include "driver/compile.h"

using cgc::Stage;

namespace {

cgc::CompileOutput fragment(const std::string& source) {
    return cgc::compileProgram(source, Stage::Fragment, "main", {});
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(CgLanguage, MacrosPasteStringizeAndRescan) {
    cgc::CompileOutput out = fragment(
        "#define CAT(a, b) a ## b\n"
        "#define TWICE(x) (x + x)\n"
        "#define ID(x) x\n"
        "#define VALUE 0.25\n"
        "float CAT(my, Value) = 1;\n"
        "#undef VALUE\n"
        "#ifdef VALUE\n#error VALUE survived #undef\n#endif\n"
        "float4 main(): COLOR { return TWICE(ID(ID(myValue))); }\n");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "uniform float fu_myValue;"));
    EXPECT_TRUE(contains(out.glsl, "(fu_myValue + fu_myValue)"));
    cgc::CompileOutput bad = fragment("#define F(a, b) a\nfloat4 main(): COLOR { return F(1); }");
    EXPECT_TRUE(contains(bad.listing, "(2,31): error: macro 'F' takes 2 arguments, 1 given")) << bad.listing;
    EXPECT_TRUE(contains(fragment("#include \"x.cg\"\n").listing, "(1,2): error: cannot open include file 'x.cg'"));
    EXPECT_TRUE(contains(fragment("#else\n").listing, "#else without #if"));
}

TEST(CgLanguage, InitializersOverloadsAndOutParameters) {
    cgc::CompileOutput out = fragment(
        "struct Pair { float a; float2 b; };\n"
        "static const Pair p = {1, {2, 3}};\n"
        "static const float weights[3] = {0.25, 0.5, 0.25};\n"
        "static const float2x2 m = {1, 0, 0, 1};\n"
        "float pick(float x) { return x; }\n"
        "float pick(float2 x) { return x.y; }\n"
        "void split(float4 v, out float2 lo, inout float2 hi) { lo = v.xy; hi += v.zw; }\n"
        "float4 main(float4 c: COLOR0): COLOR {\n"
        "  float2 lo, hi = 1; split(c, lo, hi);\n"
        "  return float4(pick(lo), pick(hi), weights[1] * p.b.x, (float)c.w);\n"
        "}\n");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "S_Pair(1.0, vec2(2, 3))")) << out.glsl;
    EXPECT_TRUE(contains(out.glsl, "float[3](0.25, 0.5, 0.25)"));
    EXPECT_TRUE(contains(out.glsl, "void f_split(in vec4 l_v, out vec2 l_lo, inout vec2 l_hi)"));
    EXPECT_TRUE(contains(out.glsl, "f_pick(l_lo)"));

    EXPECT_TRUE(contains(fragment("float4 main(): COLOR { float2 v = {1, 2, 3}; return 1; }").listing, "float2 needs 2 values, 3 given"));
    EXPECT_TRUE(contains(fragment("void f(out float x) { x = 1; }\nfloat4 main(): COLOR { f(2); return 1; }").listing,
                         "(2,24): error: no function 'f' takes (int)"));
    // A uniform changed inside the program is a copy of its own (see CgGaps).
    EXPECT_TRUE(fragment("float4 c; float4 main(): COLOR { c = 1; return c; }").ok);
    EXPECT_TRUE(contains(fragment("float4 k = k2; float4 main(): COLOR { return 1; }").listing, "'k2' is not declared"));
    EXPECT_TRUE(contains(fragment("float4 u = float4(1, 2, 3, sin(1)); float4 main(): COLOR { return u; }").listing,
                         "the initial value of uniform 'u' must be a constant"));
}

TEST(CgLanguage, EntryBindingsAndStageRules) {
    cgc::CompileOutput v = cgc::compileProgram(
        "void main(float3 n: NORMAL, float4 w: ATTR5, out float4 pos: HPOS, out float size: PSIZE, out float3 t: TEXCOORD7)\n"
        "{ pos = float4(n, 1) + w; size = 2; t = n; }", Stage::Vertex, "main", {});
    ASSERT_TRUE(v.ok) << v.listing;
    EXPECT_TRUE(contains(v.glsl, "attribute vec4 a_attr5;"));
    EXPECT_TRUE(contains(v.glsl, "gl_PointSize = cg_arg3;"));
    EXPECT_TRUE(contains(v.glsl, "gl_TexCoord[7] = vec4(cg_arg4, 1.0);"));
    ASSERT_EQ(v.attributes.size(), 1u);
    EXPECT_EQ(v.attributes[0].index, 5);

    cgc::CompileOutput f = fragment("float4 main(float4 p: WPOS, out float d: DEPTH): COLOR { d = 0.5; clip(p.x - 1); return p; }");
    ASSERT_TRUE(f.ok) << f.listing;
    EXPECT_TRUE(contains(f.glsl, "gl_FragDepth = cg_arg1;"));
    EXPECT_TRUE(contains(f.glsl, "void cg_clip(float x)"));

    EXPECT_TRUE(contains(fragment("float4 main(out float4 a: COLOR, out float4 b: COLOR0): COLOR { a = b = 1; return 1; }").listing,
                         "is written twice"));
    EXPECT_TRUE(contains(fragment("float4 main(float4 p: NORMAL): COLOR { return p; }").listing,
                         "semantic NORMAL is not available as fragment input"));
    EXPECT_TRUE(contains(cgc::compileProgram("float4 main(float4 p: POSITION): POSITION { discard; return p; }",
                                             Stage::Vertex, "main", {}).listing,
                         "only available in fragment programs"));
    // What the other stage's entry does is no concern of this one.
    EXPECT_TRUE(cgc::compileProgram("float4 ps(): COLOR { discard; return 1; }\nfloat4 vs(float4 p: POSITION): POSITION { return p; }",
                                    Stage::Vertex, "vs", {}).ok);
}

TEST(CgLanguage, GlobalsMayReadUniformsButNotCallFunctions) {
    cgc::CompileOutput out = fragment("float4 tint;\nstatic float4 twice = tint * 2;\nfloat4 main(): COLOR { return twice; }");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "uniform vec4 fu_tint;"));
    EXPECT_TRUE(contains(out.glsl, "g_twice = (fu_tint * 2.0);"));
    EXPECT_TRUE(contains(fragment("float f() { return 1; }\nstatic float x = f();\nfloat4 main(): COLOR { return x; }").listing,
                         "(2,18): error: the initial value of a global cannot call 'f'"));
}
