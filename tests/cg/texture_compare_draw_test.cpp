// Lookups whose coordinates carry a depth (tex2Dproj with a float4, tex2D
// with a float3): a projected colour picture keeps its colours, and a depth
// texture compares only while its compare mode is on, with its function.
#include <GL/gl.h>
#include <GL/glext.h>  // constants past OpenGL 1.1, which Windows' gl.h lacks

#include "gl_fixture.h"

using namespace cgtest;

namespace {

class CgTextureCompare : public GLDrawing {
protected:
    void SetUp() override {
        GLDrawing::SetUp();
        vertex = program(projectingVertex, CG_PROFILE_ARBVP1, "main");
    }
    void TearDown() override {
        if (depth) glDeleteTextures(1, &depth);
        if (colour) glDeleteTextures(1, &colour);
        GLDrawing::TearDown();
    }
    // One texel of depth `value`, compared with `func` while `compare` is
    // on. Made with no program bound: while one compares in its code, the
    // runtime keeps the texture's own comparison off.
    void makeDepth(float value, bool compare, GLenum func = GL_LEQUAL) {
        cgGLUnbindProgram(CG_PROFILE_ARBFP1);
        if (!depth) glGenTextures(1, &depth);
        glBindTexture(GL_TEXTURE_2D, depth);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, 1, 1, 0, GL_DEPTH_COMPONENT, GL_FLOAT, &value);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, compare ? GL_COMPARE_R_TO_TEXTURE : GL_NONE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, static_cast<GLint>(func));
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    // Red, green, blue and white texels, left to right and bottom to top.
    void makeColour() {
        glGenTextures(1, &colour);
        glBindTexture(GL_TEXTURE_2D, colour);
        const unsigned char texels[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glBindTexture(GL_TEXTURE_2D, 0);
    }
    // Draws with `f` reading `texture` through its sampler "s", the depth at `z`.
    void drawWith(CGprogram f, GLuint texture, float z) {
        cgSetParameter1f(cgGetNamedParameter(vertex, "z"), z);
        CGparameter s = cgGetNamedParameter(f, "s");
        cgGLSetTextureParameter(s, texture);
        cgGLEnableTextureParameter(s);
        bind(vertex, f);
        drawAndRead();
    }
    Pixel at(int x, int y) {
        unsigned char rgba[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2], rgba[3]};
    }

    // Projective coordinates: xy / w is the quad's 0..1, z / w the uniform z.
    static constexpr const char* projectingVertex =
        "uniform float z;\n"
        "void main(float4 pos: POSITION, float2 uv: TEXCOORD0, out float4 oPos: POSITION, out float4 proj: TEXCOORD0) {\n"
        "  oPos = pos; proj = float4(uv, z, 1) * 2; }\n";
    CGprogram vertex = nullptr;
    GLuint depth = 0, colour = 0;
};

const char* projectSource = "sampler2D s; float4 main(float4 p: TEXCOORD0): COLOR { return tex2Dproj(s, p); }\n";
// The same through a function that takes the sampler, and tex2D with a depth.
const char* helperSource =
    "float4 look(sampler2D m, float4 c) { return tex2Dproj(m, c); }\n"
    "sampler2D s; float4 main(float4 p: TEXCOORD0): COLOR { return look(s, p); }\n";
const char* depthInThirdSource =
    "sampler2D s; float4 main(float4 p: TEXCOORD0): COLOR { return tex2D(s, p.xyz / p.w); }\n";

}  // namespace

TEST_F(CgTextureCompare, AProjectedColourPictureKeepsItsColours) {
    makeColour();
    for (const char* source : {projectSource, helperSource, depthInThirdSource}) {
        SCOPED_TRACE(source);
        CGprogram f = program(source, CG_PROFILE_ARBFP1, "main");
        drawWith(f, colour, 0.9f);
        expectPixel(at(8, 8), 1, 0, 0, 1);
        expectPixel(at(24, 8), 0, 1, 0, 1);
        expectPixel(at(8, 24), 0, 0, 1, 1);
        expectPixel(at(24, 24), 1, 1, 1, 1);
    }
}

TEST_F(CgTextureCompare, ADepthTextureComparesWhileItsCompareModeIsOn) {
    for (const char* source : {projectSource, helperSource, depthInThirdSource}) {
        SCOPED_TRACE(source);
        CGprogram f = program(source, CG_PROFILE_ARBFP1, "main");
        makeDepth(0.5f, true);
        drawWith(f, depth, 0.3f);
        expectPixel(at(16, 16), 1, 1, 1, 1);  // 0.3 <= 0.5
        drawWith(f, depth, 0.7f);
        expectPixel(at(16, 16), 0, 0, 0, 0);
        // Unbound, the texture compares again as it did.
        cgGLUnbindProgram(CG_PROFILE_ARBFP1);
        GLint mode = GL_NONE;
        glBindTexture(GL_TEXTURE_2D, depth);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, &mode);
        glBindTexture(GL_TEXTURE_2D, 0);
        EXPECT_EQ(mode, GL_COMPARE_R_TO_TEXTURE);
        // The texture's own function decides.
        makeDepth(0.5f, true, GL_GREATER);
        drawWith(f, depth, 0.7f);
        expectPixel(at(16, 16), 1, 1, 1, 1);
        // Compare mode off: the depth itself, as a plain lookup reads it.
        makeDepth(0.5f, false);
        drawWith(f, depth, 0.7f);
        expectPixel(at(16, 16), 0.5f, 0.5f, 0.5f, 1);
    }
}

TEST_F(CgTextureCompare, TheTextureBoundOnTheUnitCountsWhenNoneIsRecorded) {
    CGprogram f = program(projectSource, CG_PROFILE_ARBFP1, "main");
    makeDepth(0.5f, true);
    ASSERT_EQ(cgGLGetTextureEnum(cgGetNamedParameter(f, "s")), static_cast<unsigned>(GL_TEXTURE0));
    // The application binds the texture itself, then binds the program.
    glBindTexture(GL_TEXTURE_2D, depth);
    cgSetParameter1f(cgGetNamedParameter(vertex, "z"), 0.7f);
    bind(vertex, f);
    drawAndRead();
    expectPixel(at(16, 16), 0, 0, 0, 0);
    cgSetParameter1f(cgGetNamedParameter(vertex, "z"), 0.3f);
    drawAndRead();
    expectPixel(at(16, 16), 1, 1, 1, 1);
    // Destroying the program in use gives the texture its comparison back.
    cgDestroyProgram(f);
    GLint mode = GL_NONE;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, &mode);
    EXPECT_EQ(mode, GL_COMPARE_R_TO_TEXTURE);
    glBindTexture(GL_TEXTURE_2D, 0);
}
