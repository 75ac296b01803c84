// Forms of Cg that real shaders lean on: texel offsets (checked, refused
// where reached), samplers named through locals, globals and struct
// parameters, struct constructors, brace-elided array lists, and names only
// some hosts declare. Compiled without OpenGL; their drawing is in
// language_draw_test.cpp.
#include "compile_expect.h"

using cgc::Stage;
using namespace cgtest;

TEST(CgForms, TexelOffsetsAreCheckedEverywhereAndRefusedWhereReached) {
    // A helper with every offset form, never called: the program compiles.
    cgc::CompileOutput out = compile(
        "sampler1D a; sampler2D b; sampler3D c; samplerRECT r;\n"
        "float4 helper(float2 uv, int2 o) {\n"
        "  return tex1D(a, uv.x, 1) + tex2D(b, uv, o) + tex2D(b, uv, uv, uv, o) + tex3D(c, uv.xyy, int3(0, 1, 2))\n"
        "       + tex2Dproj(b, uv.xyyy, o) + tex2Dlod(b, uv.xyyy, o) + tex2Dbias(b, uv.xyyy, o) + texRECT(r, uv, o);\n"
        "}\n"
        "float4 main(float2 uv: TEXCOORD0): COLOR { return tex2D(b, uv); }");
    EXPECT_TRUE(out.ok) << out.listing;
    EXPECT_FALSE(contains(out.glsl, "helper")) << out.glsl;
    // Reached, each is refused at its own line with the profiles that have it.
    expectError("sampler2D b;\nfloat4 main(float2 uv: TEXCOORD0): COLOR {\n return tex2D(b, uv, int2(1, 0)); }",
                "(3,9): error: 'tex2D' with a texel offset is only available in the gp4 and newer profiles");
    expectError("sampler2D b; float4 f(float2 uv) { return tex2D(b, uv, uv, uv, int2(1, 0)); }\n"
                "float4 main(float2 uv: TEXCOORD0): COLOR { return f(uv); }",
                "'tex2D' with a texel offset is only available");
    // The offset is an int per dimension; cube maps take none.
    expectError("sampler2D b; float4 f(float2 uv) { return tex2D(b, uv, b); }\n"
                "float4 main(float2 uv: TEXCOORD0): COLOR { return 1; }",
                "as texel offset");
    expectError("samplerCUBE s; float4 main(float3 v: TEXCOORD0): COLOR { return texCUBE(s, v, int3(0, 0, 0)); }",
                "'texCUBE' takes 2 or 4 arguments, 3 given");
}

TEST(CgForms, UndeclaredNamesWarnOnlyWhereNoEntryReaches) {
    cgc::CompileOutput out = compile(
        "float scale() { return hostConstant * 2; }\n"
        "float4 tint() { return texture2D(0, 1); }\n"
        "float4 main(): COLOR { return 1; }");
    EXPECT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.listing, "(1,24): warning: 'hostConstant' is not declared; ignored, as 'scale' is not "
                                      "called from the entry function"))
        << out.listing;
    EXPECT_TRUE(contains(out.listing, "(2,24): warning: function 'texture2D' is not declared (the Cg standard library "
                                      "calls it 'tex2D')"))
        << out.listing;
    // Reached, every one is an error; and in a global's initial value too.
    expectError("float scale() { return hostConstant * other; }\nfloat4 main(): COLOR { return scale(); }",
                "(1,39): error: 'other' is not declared");
    expectError("float4 main(float2 uv: TEXCOORD0): COLOR {\n return texture2D(uv).xyxy; }",
                "(2,9): error: function 'texture2D' is not declared (the Cg standard library calls it 'tex2D')");
    expectError("static float g = missing; float4 main(): COLOR { return g; }", "'missing' is not declared");
}

TEST(CgForms, SamplersNamedThroughLocalsGlobalsAndStructParameters) {
    cgc::CompileOutput out = compile(
        "struct source { sampler2D tex; float2 size; };\n"
        "sampler2D chosen;\n"
        "float4 look(float2 uv) { return tex2D(chosen, uv); }\n"
        "float4 main(float2 uv: TEXCOORD0, source ORIG : TEXCOORD1, sampler2D extra): COLOR {\n"
        "  const sampler2D local = ORIG.tex;\n"
        "  chosen = extra;\n"
        "  return tex2D(local, uv * ORIG.size) + look(uv);\n"
        "}");
    ASSERT_TRUE(out.ok) << out.listing;
    // The struct and the bare sampler are uniforms the host sets by name.
    EXPECT_TRUE(contains(out.glsl, "uniform S_source fu_ORIG;")) << out.glsl;
    EXPECT_TRUE(contains(out.glsl, "uniform sampler2D fu_extra;")) << out.glsl;
    EXPECT_TRUE(contains(out.glsl, "texture2D(l_ORIG.m_tex, (l_uv * l_ORIG.m_size))")) << out.glsl;
    // The helper reads the global through the entry's uniform.
    EXPECT_TRUE(contains(out.glsl, "return texture2D(fu_extra, l_uv);")) << out.glsl;
    EXPECT_FALSE(contains(out.glsl, "sampler2D l_local")) << out.glsl;

    expectError("sampler2D a;\nfloat4 main(float2 uv: TEXCOORD0): COLOR {\n sampler2D s;\n return tex2D(a, uv); }",
                "(3,12): error: sampler 's' must be a global or a parameter, or name one in its initial value");
    expectError("sampler2D a[2];\nfloat4 main(float c: TEXCOORD0): COLOR {\n sampler2D s = a[int(c)];\n return 1; }",
                "(3,12): error: sampler 's' can only name a sampler parameter or uniform");
    expectError("sampler2D a, b; float4 main(): COLOR { a = b; a = b; return 1; }", "a sampler cannot be assigned");
    expectError("sampler2D g; void pick(sampler2D s) { g = s; }\nfloat4 main(uniform sampler2D t): COLOR { pick(t); return 1; }",
                "global sampler 'g' names parameter 's', which is not a parameter of the entry function");
    expectError("sampler2D a; float4 main(): COLOR { const sampler2D s = a; s = a; return 1; }", "cannot assign");
    // A struct with a member bound to a semantic stays varying, and its
    // sampler cannot travel between stages.
    expectError("struct mixed { sampler2D tex; float2 uv : TEXCOORD0; };\n"
                "float4 main(mixed IN): COLOR { return tex2D(IN.tex, IN.uv); }",
                "'IN'.tex is a sampler in a struct whose other members bind to semantics");
}

TEST(CgForms, StructConstructorsAndBraceElidedArrays) {
    cgc::CompileOutput out = compile(
        "struct coords { float2 a; float4 b; float k; };\n"
        "static const float3 table[2] = { 1, 2, 3, 4, float2(5, 6) };\n"
        "static const float weights[3] = { 1, 2, 3 };\n"
        "float4 main(float2 uv: TEXCOORD0): COLOR {\n"
        "  coords c = coords(uv, float4(uv, 0, 1), 2);\n"
        "  return c.b * c.k + float4(table[1], weights[2]);\n"
        "}");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "S_coords(l_uv, vec4(l_uv, 0, 1), 2.0)")) << out.glsl;
    EXPECT_TRUE(contains(out.glsl, "vec3[2](vec3(1, 2, 3), vec3(4, vec2(5, 6)))")) << out.glsl;

    expectError("struct coords { float2 a; float k; };\nfloat4 main(): COLOR {\n coords c = coords(1);\n return 1; }",
                "(3,13): error: 'struct coords' has 2 members, 1 values given");
    expectError("struct coords { float2 a; float k; };\nfloat4 main(): COLOR {\n coords c = coords(1, float3x3(1));\n return 1; }",
                "as member 'k'");
    expectError("struct holder { sampler2D s; };\nsampler2D t;\nfloat4 main(): COLOR {\n holder h = holder(t);\n return 1; }",
                "holds a sampler");
    // Arrays of arrays: variables only, held flat; a row is only indexed.
    expectError("float2 c[4][3]; float4 main(): COLOR { return 1; }", "array of arrays 'c' can only be a local or static");
    expectError("float4 main(): COLOR { float2 c[4][3]; float2 r[3] = c[1]; return 1; }",
                "cannot convert float2[3] (a row of an array of arrays) to float2[3]");
    expectError("float f(float a[2][2]) { return 1; } float4 main(): COLOR { return 1; }", "not parameters");
    expectError("float4 main(): COLOR { float a[2][2][2]; return 1; }", "more than two dimensions");
    expectError("struct input { float a; };\nstruct input { float b; };\nfloat4 main(): COLOR { return 1; }",
                "(2,8): error: type 'input' is already defined");
    expectError("static const float3 table[2] = { 1, 2, 3, 4, 5 }; float4 main(): COLOR { return 1; }",
                "float3[2] needs 2 values (or 6 components), 5 given");
    expectError("static const float3 table[2] = { 1, 2, float2(3, 4), 5, 6 }; float4 main(): COLOR { return 1; }",
                "straddles two elements");
}

TEST(CgForms, SemanticsOfTheGlslProfileTables) {
    cgc::CompileOutput v = compile(
        "void main(float4 p: POSITION, float fog: FOGCOORD, out float4 op: HPOS, out float4 back: BCOL0,\n"
        "          out float4 back2: BCOL1, out float4 clip: CLPV, out float f: FOGC) {\n"
        "  op = p; back = 1; back2 = 0; clip = p; f = fog; }",
        Stage::Vertex);
    ASSERT_TRUE(v.ok) << v.listing;
    for (const char* part : {"= gl_FogCoord;", "gl_BackColor = ", "gl_BackSecondaryColor = ", "gl_ClipVertex = ",
                             "gl_FogFragCoord = "})
        EXPECT_TRUE(contains(v.glsl, part)) << part << "\n" << v.glsl;

    cgc::CompileOutput f = compile("void main(float face: FACE, float fog: FOG, out float4 c0: COLOR0, out float4 c2: COLOR2) {\n"
                                   "  c0 = face; c2 = fog; }");
    ASSERT_TRUE(f.ok) << f.listing;
    EXPECT_TRUE(contains(f.glsl, "(gl_FrontFacing ? 1.0 : -1.0)")) << f.glsl;
    // Two draw buffers: the first color is gl_FragData[0], never gl_FragColor beside gl_FragData.
    EXPECT_TRUE(contains(f.glsl, "gl_FragData[0] = ")) << f.glsl;
    EXPECT_TRUE(contains(f.glsl, "gl_FragData[2] = ")) << f.glsl;
    EXPECT_FALSE(contains(f.glsl, "gl_FragColor")) << f.glsl;
    cgc::CompileOutput one = compile("float4 main(): COLOR { return 1; }");
    EXPECT_TRUE(contains(one.glsl, "gl_FragColor = ")) << one.glsl;

    // Outside the tables: refused with the stage and direction.
    expectError("float4 main(float4 w: BLENDWEIGHT): POSITION { return w; }", "semantic BLENDWEIGHT is not available as vertex input",
                Stage::Vertex);
    expectError("float4 main(): COLOR8 { return 1; }", "semantic COLOR8 is not available as fragment output");
    expectError("void main(out float4 a: COLOR1, out float4 b: COL1) { a = 1; b = 1; }", "semantic COL1 is written twice");
}

TEST(CgForms, WhatOtherProfilesHaveIsRefusedWithThoseProfiles) {
    // Functions: in a helper nobody calls they pass; reached, they are refused.
    cgc::CompileOutput out = compile("float helper(float x) { return bitCount(3) + unpack_4ubyte(x).x; }\n"
                                     "float4 main(): COLOR { return 1; }");
    EXPECT_TRUE(out.ok) << out.listing;
    expectError("float4 main(float x: TEXCOORD0): COLOR { return floatToIntBits(x); }",
                "'floatToIntBits' is only available in the gp4 and newer profiles");
    expectError("sampler2D s; float4 main(float4 x: TEXCOORD0): COLOR { return tex2Dcmpbias(s, x); }",
                "'tex2Dcmpbias' is only available in the fp40, vp40 and gp4 and newer profiles");
    expectError("float4 main(float4 x: TEXCOORD0): COLOR { return unpack_4ubyte(pack_4ubyte(x)); }",
                "'pack_4ubyte' is only available in the fp30, fp40 and gp4 and newer profiles");
    expectError("static float k = bitCount(3); float4 main(): COLOR { return k; }",
                "'bitCount' is only available in the gp4 and newer profiles");
    // Bitwise operators: integer arithmetic of the gp4 profiles, refused where reached.
    EXPECT_TRUE(compile("int mask(int a) { return (a & 3) | (a << 1) ^ ~a; } float4 main(): COLOR { return 1; }").ok);
    expectError("int mask(int a) { int b = a; b >>= 1; return b; }\nfloat4 main(): COLOR { return mask(2); }",
                "(1,32): error: bitwise operators are only available in the gp4 and newer profiles");
    expectError("static int k = 1 << 2; float4 main(): COLOR { return k; }", "bitwise operators are only available");
    // Types and qualifiers: refused where they are written.
    expectError("sampler2DARRAY s; float4 main(): COLOR { return 1; }",
                "(1,1): error: type 'sampler2DARRAY' is only available in the gp4 and newer profiles");
    expectError("float4 main(): COLOR {\n samplerCUBEARRAY s = 0; return 1; }", "(2,2): error: type 'samplerCUBEARRAY' is only available in the gp5");
    expectError("float4 main(): COLOR { unsigned int a = 1; return a; }", "type 'unsigned' (unsigned integers)");
    expectError("float4 f(sampler s) { return 1; } float4 main(): COLOR { return 1; }", "declare it as sampler1D");
    expectError("row_major float4x4 m; float4 main(): COLOR { return m[0]; }", "'row_major' is not supported");
    expectError("float4 main(): COLOR { asm { MOV result.color, 1; } return 1; }", "'asm' is not supported");
    // 'packed' only asks for a layout, which GLSL chooses itself.
    EXPECT_TRUE(compile("packed float4 g; float4 main(): COLOR { packed float4 a = g; return a; }").ok);
}

TEST(CgForms, TypesSemanticsAndRulesOfTheTable) {
    // double has float precision; register() and C0 on uniforms are read and left to us.
    cgc::CompileOutput f = compile("double scale : C0; float4 tint : register(c1);\n"
                                   "float4 main(float4 c: COLOR1): COLOR { double d = 0.5; return c * d * scale + tint; }");
    ASSERT_TRUE(f.ok) << f.listing;
    EXPECT_TRUE(contains(f.glsl, "uniform float fu_scale;")) << f.glsl;
    EXPECT_TRUE(contains(f.glsl, "= gl_SecondaryColor;")) << f.glsl;
    cgc::CompileOutput v = compile("void main(float4 p: POSITION, float4 d: DIFFUSE, float4 s: SPECULAR,\n"
                                   "          out float4 op: POSITION, out float4 c1: COLOR1) { op = p; c1 = d + s; }",
                                   Stage::Vertex);
    ASSERT_TRUE(v.ok) << v.listing;
    for (const char* part : {"= gl_Color;", "= gl_SecondaryColor;", "gl_FrontSecondaryColor = "})
        EXPECT_TRUE(contains(v.glsl, part)) << part << "\n" << v.glsl;
    // Integer and bool matrices hold their values in float matrices, GLSL 1.20's only kind.
    cgc::CompileOutput m = compile("float4 main(): COLOR { int2x2 m = int2x2(1, 2, 3, 4); bool2x2 b = bool2x2(true, false, true, true);\n"
                                   " return float4(m[1], b[1]); }");
    EXPECT_TRUE(m.ok) << m.listing;
    // Stage rules where reached, and recursion, mutual too.
    expectError("float4 main(float4 p: POSITION): COLOR0 { return p; }", "does not write POSITION", Stage::Vertex);
    expectError("float4 main(float4 p: POSITION): POSITION { return ddx(p); }",
                "'ddx' and 'ddy' are only available in fragment programs", Stage::Vertex);
    expectError("float f(float x) { return g(x); } float g(float x) { return f(x); }\n"
                "float4 main(): COLOR { return f(1); }",
                "recursion is not supported");
    expectError("float f(float x) { return f(x); } float4 main(): COLOR { return f(1); }", "'f' calls itself");
    // Options: -D defines, as a host passes them.
    cgc::CompileOutput defined =
        cgc::compileProgram("float4 main(): COLOR { return VALUE; }", Stage::Fragment, "main", {"-DVALUE=0.5"});
    EXPECT_TRUE(defined.ok) << defined.listing;
}

TEST(CgForms, GlStateIsTheBuiltInUniformStateOfGlsl) {
    cgc::CompileOutput v = compile(
        "float4 main(float4 p: POSITION, out float4 t: TEXCOORD0): POSITION {\n"
        "  t = mul(glstate.matrix.invtrans.texture[2], p) + glstate.light[1].spot.direction + glstate.clip[3].plane\n"
        "    + glstate.lightmodel.scenecolor + glstate.texgen[1].object.q + glstate.point.size;\n"
        "  return mul(glstate.matrix.transpose.projection, p); }",
        Stage::Vertex);
    ASSERT_TRUE(v.ok) << v.listing;
    for (const char* part : {"gl_TextureMatrixInverse[2]", "vec4(gl_LightSource[1].spotDirection, gl_LightSource[1].spotCosCutoff)",
                             "gl_ClipPlane[3]", "gl_FrontLightModelProduct.sceneColor", "gl_ObjectPlaneQ[1]",
                             "(l_p * gl_ProjectionMatrix)"})
        EXPECT_TRUE(contains(v.glsl, part)) << part << "\n" << v.glsl;
    // Not a parameter, not declared in the GLSL.
    EXPECT_FALSE(contains(v.glsl, "glstate")) << v.glsl;
    EXPECT_TRUE(v.parameters.empty() || v.parameters[0].name != "glstate");
    // Read-only; one modelview matrix; a program's own glstate hides it.
    expectError("float4 main(): COLOR { glstate.fog.color = 1; return 1; }", "cannot assign");
    expectError("float4 main(): COLOR { return glstate.matrix.modelview[1][0]; }", "out of range");
    expectError("float4 main(): COLOR { return glstate.matrix.program[0][0]; }", "has no member 'program'");
    EXPECT_TRUE(compile("float4 glstate; float4 main(): COLOR { return glstate; }").ok);
}

TEST(CgForms, GlslSpellingsOfLibraryFunctionsAreTakenWithAWarning) {
    cgc::CompileOutput out = compile(
        "float4 main(float2 uv: TEXCOORD0): COLOR {\n"
        "  float2 f = fract(uv) + mix(uv, 1, 0.5) + inversesqrt(uv + 1);\n"
        "  return float4(f, mod(uv.x - 3, 2), 1); }");
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.listing, "(2,14): warning: 'fract' is GLSL's name: taken as Cg's 'frac'")) << out.listing;
    EXPECT_TRUE(contains(out.listing, "warning: 'mix' is GLSL's name: taken as Cg's 'lerp'")) << out.listing;
    EXPECT_TRUE(contains(out.listing, "warning: 'inversesqrt' is GLSL's name: taken as Cg's 'rsqrt'")) << out.listing;
    // GLSL's mod floors where Cg's fmod truncates: the GLSL function itself.
    EXPECT_TRUE(contains(out.listing, "(3,20): warning: 'mod' is GLSL's")) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "mod(")) << out.glsl;
    EXPECT_FALSE(contains(out.glsl, "cg_fmod")) << out.glsl;
    // GLSL's type names and stpq swizzles, likewise.
    cgc::CompileOutput types = compile(
        "float4 main(float2 uv: TEXCOORD0): COLOR {\n"
        "  vec3 c = vec3(uv.st, 1); mat2x3 m = float3x2(1, 0, 0, 1, 0, 0);\n"
        "  return float4(mul(m, c.st), c.p); }");
    ASSERT_TRUE(types.ok) << types.listing;
    EXPECT_TRUE(contains(types.listing, "(2,3): warning: 'vec3' is GLSL's name: taken as Cg's 'float3'")) << types.listing;
    EXPECT_TRUE(contains(types.listing, "warning: 'mat2x3' is GLSL's name: taken as Cg's 'float3x2'")) << types.listing;
    EXPECT_TRUE(contains(types.listing, "warning: 'st' is a GLSL swizzle: taken as its xyzw components"))
        << types.listing;
    EXPECT_FALSE(contains(types.glsl, ".st")) << types.glsl;
    // A function of the shader's own by that name wins, with no warning.
    cgc::CompileOutput own = compile("float mix(float a, float b, float t) { return a; }\n"
                                     "float4 main(): COLOR { return mix(1, 0, 0.5); }");
    ASSERT_TRUE(own.ok) << own.listing;
    EXPECT_TRUE(own.listing.empty()) << own.listing;
}
