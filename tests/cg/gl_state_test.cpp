// The calls that read or drive OpenGL state, checked on the screen: state
// matrices, vertex arrays, current attribute values, samplers, profiles.
#include <GL/gl.h>
#include <GL/glext.h>  // constants past OpenGL 1.1, which Windows' gl.h lacks

#include <cmath>

#include "gl_fixture.h"

using namespace cgtest;

namespace {

// Column-major product a * b.
void multiply(const float* a, const float* b, float* out) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[4 * k + r] * b[4 * c + k];
            out[4 * c + r] = sum;
        }
}

void expectMatrix(const float* actual, const float* expected, const char* what) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5) << what << " element " << i;
}

const char* matrixSource =
    "float4x4 M; float4 vsMain(float4 p: POSITION): POSITION { return mul(M, p); }\n";

}  // namespace

TEST_F(GLDrawing, StateMatricesComeFromTheCurrentGLMatrices) {
    CGprogram v = program(matrixSource, CG_PROFILE_ARBVP1, "vsMain");
    CGparameter m = cgGetNamedParameter(v, "M");
    // Modelview: scale by 2, then move by (1, 2, 3); projection: a perspective-like frustum.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1, 2, 3);
    glScalef(2, 2, 2);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glRotatef(90, 0, 0, 1);
    glMatrixMode(GL_MODELVIEW);

    float modelview[16], projection[16], texture[16], mvp[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_TEXTURE_MATRIX, texture);
    multiply(projection, modelview, mvp);
    // The inverse of scale-then-translate, written out: scale by 1/2 after moving back.
    const float modelviewInverse[16] = {0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0.5f, 0, -0.5f, -1, -1.5f, 1};

    float got[16], want[16];
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgGLGetMatrixParameterfc(m, got);
    expectMatrix(got, modelview, "modelview");
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_TRANSPOSE);
    cgGLGetMatrixParameterfr(m, got);  // the transpose read row by row is the original column by column
    expectMatrix(got, modelview, "modelview transposed");
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_INVERSE);
    cgGLGetMatrixParameterfc(m, got);
    expectMatrix(got, modelviewInverse, "modelview inverse");
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_INVERSE_TRANSPOSE);
    cgGLGetMatrixParameterfr(m, got);
    expectMatrix(got, modelviewInverse, "modelview inverse transposed");
    cgGLSetStateMatrixParameter(m, CG_GL_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgGLGetMatrixParameterfc(m, got);
    expectMatrix(got, projection, "projection");
    cgGLSetStateMatrixParameter(m, CG_GL_TEXTURE_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgGLGetMatrixParameterfc(m, got);
    expectMatrix(got, texture, "texture");
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
    cgGLGetMatrixParameterfc(m, got);
    expectMatrix(got, mvp, "modelview-projection");
    // The inverse of the product times the product is the identity.
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_INVERSE);
    cgGLGetMatrixParameterfc(m, got);
    multiply(got, mvp, want);
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    expectMatrix(want, identity, "inverse times modelview-projection");

    // Drawn: the modelview moves the quad's corner (-1, -1) by half the
    // window, so the centre pixel turns from the quad's colour to the clear colour.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(1.5f, 0, 0);
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_IDENTITY);
    CGprogram white = program("float4 psMain(): COLOR { return 1; }", CG_PROFILE_ARBFP1, "psMain");
    bind(v, white);
    expectPixel(drawAndRead(), 0, 0, 0, 0);
    glLoadIdentity();
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_IDENTITY);
    expectPixel(drawAndRead(), 1, 1, 1, 1);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
}

TEST_F(GLDrawing, ASingularMatrixHasNoInverseAndTheParameterKeepsItsValue) {
    CGprogram v = program(matrixSource, CG_PROFILE_ARBVP1, "vsMain");
    CGparameter m = cgGetNamedParameter(v, "M");
    const float before[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1};
    cgGLSetMatrixParameterfc(m, before);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glScalef(1, 0, 1);
    cgSetErrorCallback(nullptr);
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MATRIX_INVERSE);
    EXPECT_EQ(cgGetError(), CG_INVALID_PARAMETER_ERROR);
    float after[16];
    cgGLGetMatrixParameterfc(m, after);
    expectMatrix(after, before, "unchanged");
    cgGLSetStateMatrixParameter(m, static_cast<CGGLenum>(CG_GL_VERTEX), CG_GL_MATRIX_IDENTITY);
    EXPECT_EQ(cgGetError(), CG_INVALID_ENUMERANT_ERROR);
    cgGLSetStateMatrixParameter(m, CG_GL_MODELVIEW_MATRIX, CG_GL_MODELVIEW_MATRIX);
    EXPECT_EQ(cgGetError(), CG_INVALID_ENUMERANT_ERROR);
    glLoadIdentity();
}

TEST_F(GLDrawing, VertexInputsFromClientArraysAndCurrentValues) {
    CGprogram v = program(
        "struct In { float4 pos: POSITION; float4 tint: COLOR0; float2 uv: TEXCOORD2; float3 extra: ATTR6; };\n"
        "void vsMain(In vin, out float4 pos: POSITION, out float4 col: COLOR0) {\n"
        "  pos = vin.pos; col = float4(vin.tint.r, vin.uv.y, vin.extra.z, 1); }\n",
        CG_PROFILE_ARBVP1, "vsMain");
    CGprogram f = program("float4 psMain(float4 c: COLOR0): COLOR { return c; }", CG_PROFILE_ARBFP1, "psMain");
    bind(v, f);
    const float positions[8] = {-1, -1, 1, -1, 1, 1, -1, 1};
    const unsigned char colors[16] = {64, 0, 0, 255, 64, 0, 0, 255, 64, 0, 0, 255, 64, 0, 0, 255};
    const float uvs[8] = {0, 0.5f, 0, 0.5f, 0, 0.5f, 0, 0.5f};
    const float extras[12] = {0, 0, 0.75f, 0, 0, 0.75f, 0, 0, 0.75f, 0, 0, 0.75f};
    CGparameter pos = cgGetNamedParameter(v, "vin.pos"), tint = cgGetNamedParameter(v, "vin.tint"),
                uv = cgGetNamedParameter(v, "vin.uv"), extra = cgGetNamedParameter(v, "vin.extra");
    cgGLSetParameterPointer(pos, 2, GL_FLOAT, 0, positions);
    cgGLSetParameterPointer(tint, 4, GL_UNSIGNED_BYTE, 0, colors);
    cgGLSetParameterPointer(uv, 2, GL_FLOAT, 2 * sizeof(float), uvs);
    cgGLSetParameterPointer(extra, 3, GL_FLOAT, 0, extras);
    for (CGparameter p : {pos, tint, uv, extra}) cgGLEnableClientState(p);
    glDrawArrays(GL_QUADS, 0, 4);
    unsigned char rgba[4] = {};
    glReadPixels(size / 2, size / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    expectPixel({rgba[0], rgba[1], rgba[2], rgba[3]}, 64 / 255.0f, 0.5f, 0.75f, 1);
    GLint clientUnit = -1;
    glGetIntegerv(GL_CLIENT_ACTIVE_TEXTURE, &clientUnit);
    EXPECT_EQ(clientUnit, GL_TEXTURE0);

    // Disabled arrays give way to the current values, which cgGLSetParameter sets.
    for (CGparameter p : {tint, uv, extra}) cgGLDisableClientState(p);
    cgGLSetParameter4f(tint, 0.25f, 0, 0, 1);
    cgGLSetParameter2f(uv, 0, 1);
    const float extraValue[3] = {0, 0, 0.5f};
    cgGLSetParameter3fv(extra, extraValue);
    glDrawArrays(GL_QUADS, 0, 4);
    glReadPixels(size / 2, size / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    expectPixel({rgba[0], rgba[1], rgba[2], rgba[3]}, 0.25f, 1, 0.5f, 1);
    cgGLDisableClientState(pos);
    GLboolean on = GL_TRUE;
    glGetBooleanv(GL_VERTEX_ARRAY, &on);
    EXPECT_FALSE(on);

    // Only a vertex program's varying inputs come from arrays.
    cgSetErrorCallback(nullptr);
    cgGLSetParameterPointer(cgGetNamedParameter(f, "c"), 4, GL_FLOAT, 0, positions);
    EXPECT_EQ(cgGetError(), CG_INVALID_PARAMETER_ERROR);
    cgGLEnableClientState(cgGetNamedParameter(v, "pos"));  // an output
    EXPECT_EQ(cgGetError(), CG_INVALID_PARAMETER_ERROR);
    cgGLSetParameterPointer(pos, 1, GL_FLOAT, 0, positions);  // a position needs two coordinates
    EXPECT_EQ(cgGetError(), CG_INVALID_PARAMETER_ERROR);
}

TEST_F(GLDrawing, ArraysDrawnAfterOneCall) {
    CGprogram f = program(
        "float4 palette[3]; float pick;\n"
        "float4 psMain(): COLOR { return palette[(int)pick]; }\n",
        CG_PROFILE_ARBFP1, "psMain");
    const float palette[12] = {1, 0, 0, 1, 0, 1, 0, 1, 0.2f, 0.4f, 0.6f, 1};
    cgGLSetParameterArray4f(cgGetNamedParameter(f, "palette"), 0, 3, palette);
    cgGLSetParameter1f(cgGetNamedParameter(f, "pick"), 2);
    bind(passVertex, f);
    expectPixel(drawAndRead(), 0.2f, 0.4f, 0.6f, 1);
    // A change to one element of the bound program shows at once.
    const float green[4] = {0, 0.8f, 0, 1};
    cgGLSetParameterArray4f(cgGetNamedParameter(f, "palette"), 2, 1, green);
    expectPixel(drawAndRead(), 0, 0.8f, 0, 1);
}

TEST_F(GLDrawing, SamplersProfilesAndUnbinding) {
    CGprogram f = program("sampler2D s; float4 psMain(float2 uv: TEXCOORD0): COLOR { return tex2D(s, uv); }",
                          CG_PROFILE_GLSLF, "psMain");
    CGparameter s = cgGetNamedParameter(f, "s");
    unsigned red = texture(255, 0, 0, 255);
    cgGLSetTextureParameter(s, red);
    EXPECT_EQ(cgGLGetTextureParameter(s), red);
    cgGLEnableTextureParameter(s);
    bind(passVertex, f);
    expectPixel(drawAndRead(), 1, 0, 0, 1);
    cgGLDisableTextureParameter(s);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    EXPECT_EQ(cgGLGetTextureParameter(s), red);  // still recorded for the next enable

    // The latest profiles compile, load and draw like the others.
    ASSERT_TRUE(cgGLIsProfileSupported(CG_PROFILE_ARBVP1));
    ASSERT_TRUE(cgGLIsProfileSupported(CG_PROFILE_GLSLF));
    EXPECT_FALSE(cgGLIsProfileSupported(CG_PROFILE_UNKNOWN));
    CGprofile vertexProfile = cgGLGetLatestProfile(CG_GL_VERTEX);
    CGprofile fragmentProfile = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    EXPECT_EQ(vertexProfile, CG_PROFILE_GLSLV);
    EXPECT_EQ(fragmentProfile, CG_PROFILE_GLSLF);
    cgGLEnableProfile(vertexProfile);
    CGprogram v = program("float4 vsMain(float4 p: POSITION): POSITION { return p; }", vertexProfile, "vsMain");
    CGprogram blue = program("float4 psMain(): COLOR { return float4(0, 0, 1, 1); }", CG_PROFILE_FP40, "psMain");
    bind(v, blue);
    expectPixel(drawAndRead(), 0, 0, 1, 1);

    // Unbinding the fragment program leaves the vertex program alone in use:
    // the colour it passes on shows.
    bind(passVertex, blue);
    cgGLUnbindProgram(CG_PROFILE_ARBFP1);
    const float yellow[4] = {1, 1, 0, 1};
    expectPixel(drawAndRead(yellow), 1, 1, 0, 1);
    cgGLUnbindProgram(CG_PROFILE_VP30);
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    // Disabling a profile of a stage switches the stage off for all its profiles.
    bind(passVertex, blue);
    cgGLDisableProfile(CG_PROFILE_FP30);
    expectPixel(drawAndRead(yellow), 1, 1, 0, 1);
    cgGLEnableProfile(CG_PROFILE_ARBFP1);
    expectPixel(drawAndRead(yellow), 0, 0, 1, 1);
    GLuint name = red;
    glDeleteTextures(1, &name);
}
