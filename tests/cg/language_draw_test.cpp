// The Cg that shader collections are written in, from source to pixels: each
// construct compiled, loaded and drawn under the GL driver, its result
// compared with values worked out by hand.
#include <GL/gl.h>
#include <GL/glext.h>  // constants past OpenGL 1.1, which Windows' gl.h lacks

#include "gl_fixture.h"

using namespace cgtest;

namespace {

std::string fragment(const std::string& globals, const std::string& body) {
    return globals + "\nfloat4 psMain(float4 c: COLOR0, float2 uv: TEXCOORD0): COLOR {\n" + body + "\n}\n";
}

struct Case {
    const char* globals;
    const char* body;
    float r, g, b;
};

}  // namespace

class GLLanguage : public GLDrawing {
protected:
    void drawCases(const Case* cases, size_t count) {
        for (size_t i = 0; i < count; ++i) {
            const Case& c = cases[i];
            SCOPED_TRACE(c.body);
            CGprogram f = program(fragment(c.globals, c.body), CG_PROFILE_ARBFP1, "psMain");
            if (!f) continue;
            bind(passVertex, f);
            expectPixel(drawAndRead(), c.r, c.g, c.b, 1);
        }
    }
};

TEST_F(GLLanguage, StructMembersWithoutSemanticsBindToNothing) {
    CGprogram v = program(
        "struct in_vertex { bool dummy; float4 pos : POSITION; float4 color : COLOR0; float2 spare; };\n"
        "struct out_vertex { float4 pos : POSITION; float4 color : COLOR0; float unused; };\n"
        "out_vertex vsMain(in_vertex IN) {\n"
        "  out_vertex o; o.pos = IN.pos; o.unused = 1;\n"
        "  o.color = IN.dummy ? float4(1, 0, 0, 1) : IN.color + float4(IN.spare, 0, 0);\n"
        "  return o;\n}\n",
        CG_PROFILE_ARBVP1, "vsMain");
    CGprogram f = program(
        "struct frag_in { float4 color : COLOR0; float2 notBound; };\n"
        "float4 psMain(frag_in IN): COLOR { return IN.color + float4(IN.notBound, 0, 0); }",
        CG_PROFILE_ARBFP1, "psMain");
    bind(v, f);
    const float color[4] = {0.2f, 0.4f, 0.6f, 1};
    expectPixel(drawAndRead(color), 0.2f, 0.4f, 0.6f, 1);
}

TEST_F(GLLanguage, TextureLookupsInEveryForm) {
    // One colour texel: the forms whose coordinates carry a depth are plain
    // lookups on a colour texture (depth textures compare; see the compare tests).
    unsigned tex = texture(128, 64, 255, 255);
    const float r = 128 / 255.0f, g = 64 / 255.0f;
    const Case cases[] = {
        {"sampler2D s;", "return tex2D(s, uv);", r, g, 1},
        {"sampler2D s;", "return float4(tex2D(s, float3(uv, 0.3)).x, tex2D(s, float3(uv, 0.7)).x, 0, 1);", r, r, 0},
        {"sampler2D s;", "return tex2Dproj(s, float3(uv * 2, 2));", r, g, 1},
        {"sampler2D s;", "return float4(tex2Dproj(s, float4(uv * 2, 0.6, 2)).x, tex2Dproj(s, float4(uv, 0.9, 1)).y, 0, 1);", r, g, 0},
        {"sampler2D s;", "return tex2Dbias(s, float4(uv, 0, 1));", r, g, 1},
        {"sampler2D s;", "return tex2D(s, uv, ddx(uv), ddy(uv));", r, g, 1},
        {"sampler2D s;", "return tex2Dlod(s, float4(uv, 0, 0));", r, g, 1},
        // A helper the entry never calls may use what the profile refuses.
        {"sampler2D s; int3 size(sampler2D t) { return tex2Dsize(t, 0); }", "return tex2D(s, uv).bbbb;", 1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        CGprogram f = program(fragment(c.globals, c.body), CG_PROFILE_ARBFP1, "psMain");
        if (!f) continue;
        bind(passVertex, f);
        CGparameter p = cgGetNamedParameter(f, "s");
        cgGLSetTextureParameter(p, tex);
        cgGLEnableTextureParameter(p);
        expectPixel(drawAndRead(), c.r, c.g, c.b, 1);
    }
    GLuint name = tex;
    glDeleteTextures(1, &name);
}

TEST_F(GLLanguage, LogicOnVectorsAndQualifiers) {
    const Case cases[] = {
        {"", "float3 x = float3(0.2, 0.6, 0.8); bool3 big = x > 0.5; bool3 small = x < 0.7;\n"
             "float3 r = (big && small) ? x : 0.0; float3 o = (big || !small) ? 1.0 : 0.25;\n"
             "return float4(r.x + r.y, o.x, r.z + o.y * 0.5, 1);", 0.6f, 0.25f, 0.5f},
        {"", "bool2 b = !bool2(true, false); return float4(b.x ? 1 : 0.5, b.y ? 0.25 : 1, (true && b.y) ? 0.75 : 0, 1);",
         0.5f, 0.25f, 0.75f},
        {"struct P { uniform float4 tint; float k; };\n"
         "float4 scale(uniform float4 v, const float k, static float z, in const P p) { return v * k + z + p.k; }",
         "P p; p.tint = 0; p.k = 0.25; return scale(float4(0.1, 0.2, 0.3, 1), 2, 0.05, p);", 0.5f, 0.7f, 0.9f},
    };
    drawCases(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(GLLanguage, TheRestOfTheStandardLibrary) {
    const Case cases[] = {
        {"", "return float4(trunc(-1.75) + 1.5, round(0.4), round(0.6), 1);", 0.5f, 0, 1},
        {"", "return float4(sinh(0.5), cosh(0.5) - 1, tanh(0.5), 1);", 0.5210953f, 0.1276260f, 0.4621172f},
        {"", "float ip; float fr = modf(-2.25, ip); return float4(-fr, -ip / 4, ldexp(0.25, 1), 1);", 0.25f, 0.5f, 0.5f},
        {"", "float e; float m = frexp(12.0, e); float2 e2; float2 m2 = frexp(float2(0.375, 1), e2);\n"
             "return float4(m, e / 8, m2.x + m2.y * 0.25 + (e2.x + 1) * 0.1 + (e2.y - 1) * 0.2, 1);", 0.75f, 0.5f, 0.875f},
        {"", "float z = c.w - 1; float inf = 1 / z; float nan = z / z;\n"
             "return float4(isnan(nan) && !isnan(c.x), isinf(inf) && !isinf(c.x), !isfinite(inf) && isfinite(c.x), 1);", 1, 1, 1},
        {"", "return float4(lit(0.5, 0.5, 2).yzw * float3(1, 1, 0.5) + lit(-0.5, 0.5, 2).yzx * 0.5, 1);", 0.5f, 0.25f, 1},
        {"", "float3 r = refract(float3(0, -1, 0), float3(0, 1, 0), 1.0); float3 f = faceforward(float3(0, 0, 1), float3(0, 0, 1), float3(0, 0, 1));\n"
             "return float4(-r.y, -f.z * 0.5, 0, 1);", 1, 0.5f, 0},
        {"", "float3x3 m = float3x3(2, 0, 0, 0, 0.5, 0, 1, 1, 0.25); float2x2 n = float2x2(1, 2, 3, 4);\n"
             "float4x4 k = float4x4(1, 7, 3, 5, 0, 0.5, 2, 9, 0, 0, 0.5, 4, 0, 0, 0, 2);\n"
             "return float4(determinant(m), -determinant(n) / 4, determinant(k), 1);", 0.25f, 0.5f, 0.5f},
        {"", "float s, co; sincos(0.5, s, co); return float4(s, co, log10(100) / 4 + degrees(radians(0.25)) - 0.25, 1);",
         0.4794255f, 0.8775826f, 0.5f},
        // 32 pixels from uv 0 to 1: u changes by 1/32 along x only, v along y only.
        {"", "return float4(fwidth(uv) * 8, fwidth(uv.x + uv.y) * 8, 1);", 0.25f, 0.25f, 0.5f},
    };
    drawCases(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(GLLanguage, ArraySizesTruncationMatricesAndLiterals) {
    const Case cases[] = {
        {"static const int N = 2;\n#define TAPS (N + 1)\nstatic const float w[N * N - 1] = {0.25, 0.5, 0.25};",
         "float k[TAPS]; float sum = 0; for (int i = 0; i < TAPS; i++) { k[i] = w[i]; sum += k[i]; }\n"
         "const int M = TAPS * 2; float more[M - 1 > 3 ? M - 1 : 1]; more[4] = 0.5;\n"
         "return float4(sum, k[1], more[4], 1);", 1, 0.5f, 0.5f},
        {"float half_(float2 v) { return v.y * 0.5; }\nfloat3 cut() { return float4(0.1, 0.2, 0.3, 0.4); }",
         "float x = float3(0.25, 0.5, 0.75); float3 c3 = float4(0.5, 0.25, 1, 0); c3.xy = float3(0.75, 0.25, 1);\n"
         "return float4(x + cut().x, half_(float4(0, 1, 0, 0)), c3.x, 1);", 0.35f, 0.5f, 0.75f},
        {"", "int2x2 m = int2x2(1, 2, 3, 4); half3x3 h = half3x3(0.5, 0, 0, 0, 0.5, 0, 0, 0, 0.5);\n"
             "bool2x2 b = bool2x2(true, false, false, true); fixed2x3 f = fixed2x3(0, 0.25, 0, 0, 0, 0.75);\n"
             "return float4(m[1].x / 4.0 * b[0].x, mul(h, float3(1, 1, 1)).y + f._m01, f[1].z, 1);", 0.75f, 0.75f, 0.75f},
        {"", "float1x4 r = float1x4(0.1, 0.2, 0.3, 0.4); float4x1 col = float4x1(1, 0, 1, 0); float1x1 one = 0.5;\n"
             "float d = mul(r, float4(1, 1, 1, 1)); float4 v = mul(col, one); float4x4 o = mul(col, r);\n"
             "float2x1 q = float2x1(0.25, 0.75); float4 t = mul(r, float4x4(0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1));\n"
             "return float4(d * 0.5, o[2].y + r._m03, v.z + q[1] - transpose(col)._m02 + t.y + t.w - 0.5, 1);", 0.5f, 0.6f, 0.25f},
        {"", "return float4(0.25.xxx, 1) + float4(0, 2.0.xx * 0.25, 0) + 1.0.x * 0;", 0.25f, 0.75f, 0.75f},
        {"struct bc { float4 c; };\nfloat4 get(in bc bc) { return bc.c; }",
         "bc v; v.c = float4(0.5, 0, 0, 1); float a = 0, b = 0;\n"
         "for (int i = 0, j = 2; i < j; i++, j--) a += 0.25;\n"
         "b = (a += 0.25, a * 0.5); return float4(get(v).x, a, b, 1);", 0.5f, 0.5f, 0.25f},
    };
    drawCases(cases, sizeof cases / sizeof cases[0]);
}

TEST_F(GLLanguage, AUniformChangedInsideTheProgramIsItsOwnCopy) {
    CGprogram f = program(fragment("float4 tint;\nfloat4 brighten() { tint *= 2; return tint; }",
                                   "float4 a = brighten(); tint.w++; return float4(a.xyz, tint.w - 2);"),
                          CG_PROFILE_ARBFP1, "psMain");
    const float value[4] = {0.1f, 0.2f, 0.3f, 0.5f};
    cgSetParameter4fv(cgGetNamedParameter(f, "tint"), value);
    bind(passVertex, f);
    // Each draw starts again from the value set: nothing accumulates.
    expectPixel(drawAndRead(), 0.2f, 0.4f, 0.6f, 1);
    expectPixel(drawAndRead(), 0.2f, 0.4f, 0.6f, 1);
    float back[4] = {};
    ASSERT_EQ(cgGetParameterValuefr(cgGetNamedParameter(f, "tint"), 4, back), 4);
    EXPECT_FLOAT_EQ(back[0], 0.1f);
}

// A host's bundle of a texture and its size, a local and a global naming
// samplers, a struct built by its name and a brace-elided table: drawn.
TEST_F(GLLanguage, SamplersNamedThroughStructsLocalsAndGlobals) {
    CGprogram f = program(
        "struct source { sampler2D tex; float2 size; };\n"
        "struct pair { float4 a; float k; };\n"
        "static const float3 table[2] = { 0, 0, 0, 0.25, 0.5, 0.75 };\n"
        "sampler2D chosen;\n"
        "float4 second(float2 uv) { return tex2D(chosen, uv); }\n"
        "float4 psMain(float2 uv: TEXCOORD0, source ORIG : TEXCOORD1, sampler2D other): COLOR {\n"
        "  const sampler2D first = ORIG.tex;\n"
        "  chosen = other;\n"
        "  pair p = pair(tex2D(first, uv) * ORIG.size.x, ORIG.size.y);\n"
        "  return p.a * p.k + second(uv) + float4(table[1], 0);\n"
        "}\n",
        CG_PROFILE_ARBFP1, "psMain");
    ASSERT_NE(f, nullptr);
    cgGLSetTextureParameter(cgGetNamedParameter(f, "ORIG.tex"), texture(255, 0, 0, 255));
    cgGLEnableTextureParameter(cgGetNamedParameter(f, "ORIG.tex"));
    cgGLSetTextureParameter(cgGetNamedParameter(f, "other"), texture(0, 0, 64, 0));
    cgGLEnableTextureParameter(cgGetNamedParameter(f, "other"));
    cgSetParameter2f(cgGetNamedParameter(f, "ORIG.size"), 0.5f, 0.5f);
    bind(passVertex, f);
    // red 1 * 0.5 * 0.5, blue 64/255 from the global's sampler, the table's row.
    expectPixel(drawAndRead(), 0.25f + 0.25f, 0.5f, 64 / 255.0f + 0.75f, 1);
}

// The fog coordinate and back colour of the vertex tables, and FACE: drawn.
TEST_F(GLLanguage, FogCoordinateAndFacingReachTheFragment) {
    CGprogram v = program(
        "void vsMain(float4 p: POSITION, out float4 op: POSITION, out float fog: FOGC, out float4 back: BCOL0,\n"
        "            out float4 front: COLOR0) { op = p; fog = 0.25; back = float4(0, 1, 0, 1); front = 0; }\n",
        CG_PROFILE_ARBVP1, "vsMain");
    CGprogram f = program("float4 psMain(float fog: FOG, float face: FACE): COLOR {\n"
                          "  return float4(fog, 0, face > 0 ? 0.5 : 1, 1); }\n",
                          CG_PROFILE_ARBFP1, "psMain");
    bind(v, f);
    // The quad winds counter-clockwise: front-facing.
    expectPixel(drawAndRead(), 0.25f, 0, 0.5f, 1);
}

// The functions that map one to one onto GLSL's, each at a point where a
// wrong argument order or a wrong function shows: drawn.
TEST_F(GLLanguage, TheDirectlyMappedStandardLibrary) {
    const Case cases[] = {
        {"", "return float4(abs(-0.25), acos(0.5) / 3.14159265, asin(0.5) / 3.14159265 * 3, 1);", 0.25f, 1 / 3.0f, 0.5f},
        {"", "return float4(atan(1) / 3.14159265, atan2(1, 0) / 3.14159265, ceil(0.2) * 0.5, 1);", 0.25f, 0.5f, 0.5f},
        {"", "return float4(clamp(1.5, 0.25, 0.75), cos(0) * 0.5, cross(float3(1, 0, 0), float3(0, 1, 0)).z * 0.5, 1);",
         0.75f, 0.5f, 0.5f},
        {"", "return float4(distance(float2(0, 0), float2(0.3, 0.4)), dot(float3(0.5, 0.5, 0), float3(0.5, 0.5, 1)), exp(0) * 0.25, 1);",
         0.5f, 0.5f, 0.25f},
        {"", "return float4(exp2(-1), floor(1.7) * 0.25, length(float2(0.3, 0.4)), 1);", 0.5f, 0.25f, 0.5f},
        {"", "return float4(log(exp(0.5)), log2(2) * 0.25, max(0.25, 0.5), 1);", 0.5f, 0.25f, 0.5f},
        {"", "return float4(min(0.5, 0.75), normalize(float2(3, 4)).x, pow(0.25, 0.5), 1);", 0.5f, 0.6f, 0.5f},
        {"", "return float4(reflect(float2(1, -1), float2(0, 1)).y * 0.5, rsqrt(16), sign(-2) * -0.75, 1);", 0.5f, 0.25f, 0.75f},
        {"", "return float4(sin(3.14159265 / 6), smoothstep(0, 1, 0.25), sqrt(0.25), 1);", 0.5f, 0.15625f, 0.5f},
        {"", "return float4(step(0.5, 0.75) * 0.5, step(0.75, 0.5), tan(3.14159265 / 4) * 0.25, 1);", 0.5f, 0, 0.25f},
        {"", "return float4(any(bool2(false, true)) ? 0.5 : 0, all(bool2(true, false)) ? 1 : 0.25, all(bool3(true, true, true)), 1);",
         0.5f, 0.25f, 1},
    };
    drawCases(cases, sizeof cases / sizeof cases[0]);
}

// Every statement and the operators not drawn elsewhere, each result worked
// out by hand: drawn.
TEST_F(GLLanguage, StatementsAndOperators) {
    const Case cases[] = {
        // do-while, break, continue, for, while, if/else
        {"", "float s = 0; int i = 0; do { i++; if (i == 2) continue; if (i > 4) break; s += 0.125; } while (i < 10);\n"
             "float w = 0; while (w < 0.5) w += 0.25; if (s > 1) s = 0; else s += 0.125;\n"
             "return float4(s, w, 0, 1);", 0.5f, 0.5f, 0},
        // compound assignments, modulo of floats and ints, increments
        {"", "float a = 1; a -= 0.25; a /= 3; a *= 2; float m = 1.75; m %= 0.5; int k = 7 % 4; int j = k--; --j;\n"
             "return float4(a, m + 0.25, (k + j) / 8.0, 1);", 0.5f, 0.5f, 0.5f},
        // relational operators on scalars and vectors, logic, the ternary on vectors
        {"", "float4 v = float4(0.25, 0.5, 0.75, 1); bool4 le = v <= 0.5; bool4 ge = v >= 0.75;\n"
             "float4 pick = (le || ge) ? v : 0; return float4(pick.x + pick.y * 0.5, le.z ? 1 : pick.z, !ge.x && v.w != 0.5, 1);",
         0.5f, 0.75f, 1},
        // typedef, rgba swizzles written and read, a hexadecimal literal, suffixes
        {"typedef float3 colour;", "colour c3 = 0; c3.rb = float2(0.25, 0.5); c3.g = 0x10 / 32.0;\n"
                                   "half h = 0.5h; fixed f = 0.25x; return float4(c3.r + f, c3.g, c3.b * h * 2, 1);",
         0.5f, 0.5f, 0.5f},
        // arrays of arrays, written and read with constant and computed indices
        {"static float grid[3][2];", "float2 cells[4][3]; for (int i = 0; i < 4; i++) for (int j = 0; j < 3; j++) cells[i][j] = float2(i, j) / 8;\n"
                                    "grid[2][1] = 0.25; int k = (int)(uv.x * 0.1) + 1;\n"
                                    "return float4(cells[3][k].x + cells[0][2].y * 0.5, cells[k][2].y * 2, grid[2][1], 1);", 0.5f, 0.5f, 0.25f},
        // functions: overloads by type, prototypes, inline, out and inout
        {"float twice(float x);\ninline float2 twice(float2 x) { return x * 2; }\nvoid bump(inout float x, out float y) { x += 0.25; y = 0.25; }\n"
         "float twice(float x) { return x * 2; }",
         "float a = 0; float b; bump(a, b); return float4(twice(a), twice(float2(b, 0.125)), 1);", 0.5f, 0.5f, 0.25f},
    };
    drawCases(cases, sizeof cases / sizeof cases[0]);
}

// Texture units named by TEXUNIT and register(), and annotations, which
// are read and left alone: drawn.
TEST_F(GLLanguage, TextureUnitSemanticsAndAnnotations) {
    CGprogram f = program("sampler2D first : TEXUNIT1;\nsampler2D second : register(s0);\n"
                          "float4 tint < string UIName = \"Tint\"; float UIMin = 0; > = float4(0.5, 0.5, 0.5, 1);\n"
                          "float4 psMain(float2 uv: TEXCOORD0): COLOR { return tex2D(first, uv) * tint + tex2D(second, uv); }\n",
                          CG_PROFILE_ARBFP1, "psMain");
    ASSERT_NE(f, nullptr);
    // Made before either is enabled: making one binds it to the active unit.
    unsigned magenta = texture(255, 0, 255, 255), green = texture(0, 128, 0, 0);
    cgGLSetTextureParameter(cgGetNamedParameter(f, "first"), magenta);
    cgGLEnableTextureParameter(cgGetNamedParameter(f, "first"));
    cgGLSetTextureParameter(cgGetNamedParameter(f, "second"), green);
    cgGLEnableTextureParameter(cgGetNamedParameter(f, "second"));
    bind(passVertex, f);
    expectPixel(drawAndRead(), 0.5f, 128 / 255.0f, 0.5f, 1);
}

// glstate reads OpenGL's own matrices, material, light and fog: drawn.
TEST_F(GLLanguage, GlStateReadsTheOpenGLState) {
    CGprogram v = program(
        "void vsMain(float4 p: POSITION, out float4 op: POSITION, out float4 c: COLOR0) {\n"
        "  op = mul(glstate.matrix.mvp, p);\n"
        "  float4 row = glstate.matrix.modelview[0][0];\n"
        "  c = float4(row.x, row.w, glstate.material.diffuse.z * glstate.light[0].diffuse.z, 1);\n}\n",
        CG_PROFILE_ARBVP1, "vsMain");
    CGprogram f = program("float4 psMain(float4 c: COLOR0): COLOR { return c + float4(0, 0, glstate.fog.color.y, 0); }",
                          CG_PROFILE_ARBFP1, "psMain");
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.25f, 0, 0);
    glScalef(0.5f, 0.5f, 1);
    const float diffuse[4] = {0, 0, 0.5f, 1}, light[4] = {0, 0, 0.5f, 1}, fog[4] = {0, 0.5f, 0, 1};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light);
    glFogfv(GL_FOG_COLOR, fog);
    bind(v, f);
    // The quad, halved and moved right, still covers the centre.
    Pixel p = drawAndRead();
    glLoadIdentity();
    expectPixel(p, 0.5f, 0.25f, 0.25f + 0.5f, 1);
}

// inverse() of each size: the product with the matrix is the identity, and
// one entry of each inverse worked out by hand.
TEST_F(GLLanguage, InverseOfEverySquareMatrix) {
    const Case cases[] = {
        {"", "float2x2 m = float2x2(2, 1, 0, 4); float2x2 i = inverse(m); float2x2 p = mul(m, i);\n"
             "return float4(p[0][0] * 0.5, p[0][1] + 0.25, i[0][1] * -8 * 0.25, 1);", 0.5f, 0.25f, 0.25f},
        {"", "float3x3 m = float3x3(2, 0, 0, 0, 4, 1, 0, 0, 1); float3x3 i = inverse(m); float3x3 p = mul(i, m);\n"
             "return float4(p[1][1] * 0.5, p[1][2] + 0.25, -i[1][2], 1);", 0.5f, 0.25f, 0.25f},
        {"", "float4x4 m = float4x4(2, 0, 0, 1, 0, 4, 0, 2, 0, 0, 1, 0, 0, 0, 0, 1); float4x4 i = inverse(m);\n"
             "float4x4 p = mul(m, i); float4 moved = mul(i, float4(1, 2, 0, 1));\n"
             "return float4(p[3][3] * 0.5 + p[0][3], i[0][0], moved.x + moved.y + 0.25, 1);", 0.5f, 0.5f, 0.25f},
        {"", "float1x1 m = 4; return float4(inverse(m), 0, 0, 1);", 0.25f, 0, 0},
    };
    drawCases(cases, sizeof cases / sizeof cases[0]);
}
