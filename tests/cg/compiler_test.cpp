// The compiler without OpenGL: what it accepts, what it rejects and where.
#include <gtest/gtest.h>

#include "cg_test_sources.h"
#include "driver/compile.h"

using cgc::Stage;

namespace {

cgc::CompileOutput compile(const std::string& source, Stage stage = Stage::Fragment,
                           const std::string& entry = "main", std::vector<std::string> args = {}) {
    return cgc::compileProgram(source, stage, entry, args);
}

void expectError(const std::string& source, const std::string& listingPart, Stage stage = Stage::Fragment) {
    cgc::CompileOutput out = compile(source, stage);
    EXPECT_FALSE(out.ok) << source;
    EXPECT_NE(out.listing.find(listingPart), std::string::npos) << "listing was: " << out.listing;
}

}  // namespace

TEST(CgCompiler, EngineSourcesCompileForTheirStages) {
    cgc::CompileOutput v = compile(cgtest::deviceSource, Stage::Vertex, "vsMain");
    cgc::CompileOutput f = compile(cgtest::deviceSource, Stage::Fragment, "psMain");
    ASSERT_TRUE(v.ok) << v.listing;
    ASSERT_TRUE(f.ok) << f.listing;
    EXPECT_NE(v.glsl.find("gl_Position = "), std::string::npos);
    EXPECT_NE(f.glsl.find("gl_FragColor = "), std::string::npos);
    EXPECT_TRUE(v.listing.empty());

    cgc::CompileOutput ov = compile(cgtest::overlayVertexSource, Stage::Vertex, "vsMain");
    ASSERT_TRUE(ov.ok) << ov.listing;
    EXPECT_NE(ov.glsl.find("gl_MultiTexCoord0.xy"), std::string::npos);
    EXPECT_NE(ov.glsl.find("gl_TexCoord[0] = vec4("), std::string::npos);
    cgc::CompileOutput of = compile(cgtest::overlayFragmentSource, Stage::Fragment, "psMain");
    ASSERT_TRUE(of.ok) << of.listing;
    ASSERT_EQ(of.uniforms.size(), 1u);
    EXPECT_EQ(of.uniforms[0].name, "tex");
    EXPECT_EQ(of.uniforms[0].unit, 0);
}

TEST(CgCompiler, UserNamesNeverMeetGlslNames) {
    cgc::CompileOutput out = compile(
        "sampler2D texture; float4 color; float4 input(float4 x) { return x; }\n"
        "float4 main(float2 uv: TEXCOORD0, float4 c: COLOR0): COLOR { float4 __a = input(tex2D(texture, uv)); return __a * color * c; }");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_EQ(out.glsl.find(" texture;"), std::string::npos);
    EXPECT_NE(out.glsl.find("uniform sampler2D fu_texture;"), std::string::npos);
    EXPECT_EQ(out.glsl.find("__"), std::string::npos);
    cgc::CompileOutput vertex = compile("float4 color; float4 main(float4 p: POSITION, out float4 c: COLOR): POSITION { c = color; return p; }", Stage::Vertex);
    ASSERT_TRUE(vertex.ok) << vertex.listing;
    EXPECT_NE(vertex.glsl.find("uniform vec4 vu_color;"), std::string::npos);
}

TEST(CgCompiler, PreprocessorDefinesConditionsAndLines) {
    const char* source =
        "#define SCALE(x) ((x) * 2)\n"
        "#define HALF 0.5\n"
        "#if defined(HALF) && SCALE(2) == 4\n"
        "float4 main(): COLOR { return SCALE(HALF); }\n"
        "#elif 1\n"
        "#error wrong branch\n"
        "#else\n"
        "garbage @ here\n"
        "#endif\n";
    cgc::CompileOutput out = compile(source);
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_NE(out.glsl.find("(0.5 * 2.0)"), std::string::npos) << out.glsl;

    expectError("#ifndef X\n#error X is missing\n#endif\n", "(2,2): error: #error X is missing");
    expectError("\n#line 40\nfloat4 main(): COLOR { return y; }\n", "(40,31): error: 'y' is not declared");
    EXPECT_TRUE(compile("float4 main(): COLOR { return V; }", Stage::Fragment, "main", {"-DV=float4(1,0,0,1)"}).ok);
    expectError("#if 1\nfloat4 main(): COLOR { return 1; }\n", "#if is not closed");
    expectError("#if 1 / 0\n#endif\n", "division by zero");
    // Definitions that feed on themselves end, with or without a diagnostic.
    compile("#define a a b\n#define b a\na b\n");
    expectError("#define f(x) f(x) f(x) f(x) f(x) f(x) f(x) f(x) f(x)\n#define g(x) f(f(f(f(f(f(f(f(x))))))))\ng(g(g(1)))\n",
                "macro expansion is too large");
}

TEST(CgCompiler, SyntaxAndTypeErrorsNameTheirLine) {
    expectError("float4 main(): COLOR\n{\n  return float4(1, 1, 1, 1)\n}\n", "(4,1): error: expected ';'");
    expectError("float4 main(): COLOR\n{\n  float3 v = 1;\n  float2x2 m = 0;\n  return v + m;\n}\n",
                "(5,12): error: operator '+' cannot combine float3 and float2x2");
    expectError("float4 main(): COLOR {\n sampler2D s;\n return 1;\n}", "(2,12): error: sampler 's' must be a global");
    expectError("float4 main(): COLOR { return nothing(1); }", "function 'nothing' is not declared");
    expectError("const float k = 1;\nfloat4 main(): COLOR { k = 2; return k; }", "(2,26): error: cannot assign to const 'k'");
    expectError("float4 main(): COLOR { float4 v = 0; v.xx = 1; return v; }", "cannot assign to this expression");
    expectError("float4 main(): COLOR { float4 v; return v.xq; }", "'xq' is not a valid swizzle");
    expectError("float4 main(): COLOR { float a[2]; return a[2]; }", "index 2 is out of range");
    expectError("float f(float x) { return f(x); }\nfloat4 main(): COLOR { return f(1); }", "recursion is not supported");
    expectError("float4 main(float4 p: POSITION): COLOR { return p; }", "does not write POSITION", Stage::Vertex);
    expectError("sampler2D s; float4 main(float4 p: POSITION): POSITION { return tex2D(s, p.xy); }",
                "texture lookups are only available in fragment programs", Stage::Vertex);
    expectError("float4 main(float4 p): COLOR { return p; }", "needs a semantic");
    expectError("float4 other(): COLOR { return 1; }", "(0,1): error: entry function 'main' is not defined");
}

TEST(CgCompiler, NestingAndErrorFloodsAreBounded) {
    std::string deep = "float4 main(): COLOR { return " + std::string(5000, '(') + "1" + std::string(5000, ')') + "; }";
    expectError(deep, "nested too deeply");
    std::string chain = "float4 main(): COLOR { return 1";
    for (int i = 0; i < 5000; ++i) chain += " + 1";
    expectError(chain + "; }", "nested too deeply");
    std::string many = "float4 main(): COLOR {\n";
    for (int i = 0; i < 100; ++i) many += "  x" + std::to_string(i) + " = 1;\n";
    cgc::CompileOutput out = compile(many + "return 1; }");
    EXPECT_NE(out.listing.find("too many errors"), std::string::npos);
}

TEST(CgCompiler, CgRulesBecomeExplicitGlsl) {
    cgc::CompileOutput out = compile(
        "static const float4 k = {1, 0, 0, 1};\n"
        "float4x4 M;\n"
        "float4 main(float4 v: TEXCOORD0): COLOR {\n"
        "  float4 a = mul(M, v) + mul(v, M);\n"
        "  float2x2 r = float2x2(1, 2, 3, 4);\n"
        "  a.xy += r[1] * M._m01 + M._11_22;\n"
        "  int i = 3; float f = i / 2;\n"
        "  return fmod(a, -2) + frac(a) + saturate(a) + lerp(a, k, 0.5) + f + k;\n"
        "}\n");
    ASSERT_TRUE(out.ok) << out.listing;
    const std::string& g = out.glsl;
    EXPECT_NE(g.find("(l_v * fu_M)"), std::string::npos) << g;   // mul(M, v)
    EXPECT_NE(g.find("(fu_M * l_v)"), std::string::npos);          // mul(v, M)
    EXPECT_NE(g.find("fu_M[0][1]"), std::string::npos);
    EXPECT_NE(g.find("vec2(fu_M[0][0], fu_M[1][1])"), std::string::npos);
    EXPECT_NE(g.find("cg_fmod(l_a, vec4((-2)))"), std::string::npos);
    EXPECT_NE(g.find("mix(l_a, g_k, 0.5)"), std::string::npos);
    EXPECT_NE(g.find("float((l_i / 2))"), std::string::npos);
    EXPECT_NE(g.find("vec4 cg_fmod(vec4 x, vec4 y)"), std::string::npos);
}
