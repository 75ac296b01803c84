// From Cg source to pixels: the translator's rules checked on the screen.
#include <GL/gl.h>
#include <GL/glext.h>  // constants beyond OpenGL 1.1, which Windows' gl.h stops at

#include "cg_test_sources.h"
#include "gl_fixture.h"

using namespace cgtest;

namespace {

// A fragment program returning `expression` (over uniform M, u and the
// interpolated colour c), drawn with the pass-through vertex program.
std::string fragment(const std::string& globals, const std::string& body) {
    return globals + "\nfloat4 psMain(float4 c: COLOR0, float2 uv: TEXCOORD0): COLOR {\n" + body + "\n}\n";
}

}  // namespace

TEST_F(GLDrawing, TheEngineSourcesDraw) {
    CGprogram v = program(deviceSource, CG_PROFILE_ARBVP1, "vsMain");
    CGprogram f = program(deviceSource, CG_PROFILE_ARBFP1, "psMain");
    bind(v, f);
    expectPixel(drawAndRead(), 1, 1, 1, 1);

    CGprogram ov = program(overlayVertexSource, CG_PROFILE_ARBVP1, "vsMain");
    CGprogram of = program(overlayFragmentSource, CG_PROFILE_ARBFP1, "psMain");
    bind(ov, of);
    GLuint tex = 0;
    glGenTextures(1, &tex);
    glBindTexture(GL_TEXTURE_2D, tex);
    unsigned char luminance = 128;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, 1, 1, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE, &luminance);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    CGparameter p = cgGetNamedParameter(of, "tex");
    cgGLSetTextureParameter(p, tex);
    cgGLEnableTextureParameter(p);
    expectPixel(drawAndRead(), 128 / 255.0f, 128 / 255.0f, 128 / 255.0f, 1);
    glDeleteTextures(1, &tex);
}

TEST_F(GLDrawing, MatrixProductsRowsAndConstructors) {
    // Column-major upload of M with rows (0.1 0.2 0 0), (0 0.3 0.1 0), (0.5 0 0 0), (0 0 0 1).
    const float columns[16] = {0.1f, 0, 0.5f, 0, 0.2f, 0.3f, 0, 0, 0, 0.1f, 0, 0, 0, 0, 0, 1};
    struct Case {
        const char* body;
        float r, g, b;
    } cases[] = {
        {"return mul(M, float4(1, 1, 1, 1));", 0.3f, 0.4f, 0.5f},            // M v: row sums
        {"return mul(float4(1, 1, 0, 1), M);", 0.1f, 0.5f, 0.1f},            // v M: rows 0, 1 and 3 summed
        {"return float4(M[2].x, M[1].yz, 1);", 0.5f, 0.3f, 0.1f},            // M[i] is row i
        {"float2x2 m = float2x2(0.1, 0.2, 0.3, 0.4); return float4(mul(m, float2(1, 0)), m[1].x, 1);", 0.1f, 0.3f, 0.3f},
        {"return float4(M._m01, M._21, M._m12, 1);", 0.2f, 0.0f, 0.1f},
    };
    for (const Case& c : cases) {
        CGprogram f = program(fragment("float4x4 M;", c.body), CG_PROFILE_ARBFP1, "psMain");
        cgGLSetMatrixParameterfc(cgGetNamedParameter(f, "M"), columns);
        bind(passVertex, f);
        Pixel px = drawAndRead();
        SCOPED_TRACE(c.body);
        expectPixel(px, c.r, c.g, c.b, 1);
    }
}

TEST_F(GLDrawing, SmearingMasksAndTheStandardLibrary) {
    struct Case {
        const char* body;
        float r, g, b, a;
    } cases[] = {
        {"float4 v = 0.25; v.zw = 0.5; return v;", 0.25f, 0.25f, 0.5f, 0.5f},
        {"float4 v = float4(0.1, 0.2, 0.3, 0.4); v.wx = v.xw; return v;", 0.4f, 0.2f, 0.3f, 0.1f},
        {"return float4(frac(-0.25), -fmod(-3.5, 2) / 2, fmod(3.5, -2) / 2, 1);", 0.75f, 0.75f, 0.75f, 1},
        {"return float4(saturate(-1), saturate(0.5), saturate(3), 1);", 0, 0.5f, 1, 1},
        {"return lerp(float4(0, 1, 0.2, 1), float4(1, 0, 0.6, 1), 0.25);", 0.25f, 0.75f, 0.3f, 1},
        {"int i = 3; float half_ = i / 2; return float4(half_ / 2, 1 ? 0.2 : 0, c.x > 0.5, 1);", 0.5f, 0.2f, 1, 1},
    };
    for (const Case& c : cases) {
        CGprogram f = program(fragment("", c.body), CG_PROFILE_ARBFP1, "psMain");
        bind(passVertex, f);
        SCOPED_TRACE(c.body);
        expectPixel(drawAndRead(), c.r, c.g, c.b, c.a);
    }
}

TEST_F(GLDrawing, AStructFromTheVertexEntryFeedsTheFragmentEntry) {
    CGprogram v = program(
        "struct Out { float4 pos: POSITION; float4 tint: COLOR0; float3 extra: TEXCOORD3; };\n"
        "Out vsMain(float4 p: POSITION) { Out o; o.pos = p; o.tint = float4(0.2, 0.4, 0.6, 1); o.extra = float3(0.8, 0.1, 0.5); return o; }",
        CG_PROFILE_ARBVP1, "vsMain");
    CGprogram f = program(
        "struct In { float4 tint: COLOR0; float3 extra: TEXCOORD3; };\n"
        "float4 psMain(In IN): COLOR { return float4(IN.tint.x, IN.extra.x, IN.extra.z, IN.tint.w); }",
        CG_PROFILE_ARBFP1, "psMain");
    bind(v, f);
    expectPixel(drawAndRead(), 0.2f, 0.8f, 0.5f, 1);
}

TEST_F(GLDrawing, SameNamedUniformsOfTwoStagesStaySeparateAndPersist) {
    CGprogram v = program("float4 c; float4 vsMain(float4 p: POSITION, out float4 col: COLOR0): POSITION { col = c; return p; }",
                          CG_PROFILE_ARBVP1, "vsMain");
    CGprogram f = program("float4 c; float4 psMain(float4 col: COLOR0): COLOR { return col + c; }", CG_PROFILE_ARBFP1, "psMain");
    const float vertexValue[4] = {0.25f, 0, 0, 0}, fragmentValue[4] = {0, 0.5f, 0, 1};
    cgSetParameter4fv(cgGetNamedParameter(v, "c"), vertexValue);
    cgSetParameter4fv(cgGetNamedParameter(f, "c"), fragmentValue);
    bind(v, f);
    expectPixel(drawAndRead(), 0.25f, 0.5f, 0, 1);

    // Another pair in between; the values come back with the first pair,
    // and a change while another pair is bound is sent on the next bind.
    CGprogram white = program(deviceSource, CG_PROFILE_ARBFP1, "psMain");
    bind(v, white);
    expectPixel(drawAndRead(), 1, 1, 1, 1);
    const float later[4] = {0, 0, 0.75f, 1};
    cgSetParameter4fv(cgGetNamedParameter(f, "c"), later);
    bind(v, f);
    expectPixel(drawAndRead(), 0.25f, 0, 0.75f, 1);
    // A change to the bound pair shows at once.
    cgSetParameter4fv(cgGetNamedParameter(v, "c"), fragmentValue);
    expectPixel(drawAndRead(), 0, 0.5f, 0.75f, 1);
}

TEST_F(GLDrawing, TwoSamplersUseTwoUnitsAndLeaveUnitZeroActive) {
    CGprogram f = program(
        "sampler2D first; sampler2D second;\n"
        "float4 psMain(float2 uv: TEXCOORD0): COLOR { return float4(tex2D(first, uv).r, tex2D(second, uv).g, 0, 1); }",
        CG_PROFILE_ARBFP1, "psMain");
    unsigned red = texture(255, 0, 0, 255), green = texture(0, 255, 0, 255);
    bind(passVertex, f);
    CGparameter a = cgGetNamedParameter(f, "first"), b = cgGetNamedParameter(f, "second");
    cgGLSetTextureParameter(a, red);
    cgGLEnableTextureParameter(a);
    cgGLSetTextureParameter(b, green);
    cgGLEnableTextureParameter(b);
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    EXPECT_EQ(active, GL_TEXTURE0);
    expectPixel(drawAndRead(), 1, 1, 0, 1);
    GLuint names[2] = {red, green};
    glDeleteTextures(2, names);
}

TEST_F(GLDrawing, DefaultsClipAndDestroyedPrograms) {
    // A uniform's declared value is what the first draw sees.
    CGprogram f = program("float4 tint = {0.2, 0.4, 0.6, 1}; float4 psMain(): COLOR { return tint; }", CG_PROFILE_ARBFP1, "psMain");
    bind(passVertex, f);
    expectPixel(drawAndRead(), 0.2f, 0.4f, 0.6f, 1);

    // clip() drops the fragment: the cleared black stays.
    CGprogram clipped = program("float4 psMain(float4 c: COLOR0): COLOR { clip(0.5 - c.x); return 1; }", CG_PROFILE_ARBFP1, "psMain");
    bind(passVertex, clipped);
    glClear(GL_COLOR_BUFFER_BIT);
    expectPixel(drawAndRead(), 0, 0, 0, 0);
    const float dark[4] = {0.25f, 0, 0, 1};
    expectPixel(drawAndRead(dark), 1, 1, 1, 1);

    // Destroying the bound program unbinds it; binding the rest again works.
    cgDestroyProgram(clipped);
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    bind(passVertex, f);
    expectPixel(drawAndRead(), 0.2f, 0.4f, 0.6f, 1);
}
