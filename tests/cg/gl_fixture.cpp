#include "gl_fixture.h"

#include <GL/gl.h>

#include <cmath>

#include "platform/gl_context.h"
#include "platform/window.h"

namespace cgtest {
namespace {

Zephra::Window* window = nullptr;
Zephra::Platform::GLContext* glContext = nullptr;

void errorCallback() {
    CGerror e = cgGetError();
    ADD_FAILURE() << "Cg error: " << cgGetErrorString(e);
}

const char* passSource =
    "struct V { float4 pos: POSITION; float4 color: COLOR0; float2 uv: TEXCOORD0; };\n"
    "V vsMain(float4 pos: POSITION, float4 color: COLOR0, float2 uv: TEXCOORD0) {\n"
    "  V o; o.pos = pos; o.color = color; o.uv = uv; return o; }\n";

}  // namespace

void GLDrawing::SetUpTestSuite() {
    window = new Zephra::Window(size, size, false);
    glContext = Zephra::Platform::createGLContext(*window, 24, 8, 0, false);
    Zephra::Platform::makeCurrent(*window, glContext);
}

void GLDrawing::TearDownTestSuite() {
    Zephra::Platform::destroyGLContext(glContext);
    delete window;
}

void GLDrawing::SetUp() {
    context = cgCreateContext();
    cgSetErrorCallback(errorCallback);
    cgGLEnableProfile(CG_PROFILE_ARBVP1);
    cgGLEnableProfile(CG_PROFILE_ARBFP1);
    passVertex = program(passSource, CG_PROFILE_ARBVP1, "vsMain");
    glViewport(0, 0, size, size);
    glDisable(GL_BLEND);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
}

void GLDrawing::TearDown() {
    cgSetErrorCallback(nullptr);
    cgDestroyContext(context);
    cgGetError();
}

CGprogram GLDrawing::program(const std::string& source, CGprofile profile, const char* entry) {
    CGprogram p = cgCreateProgram(context, CG_SOURCE, source.c_str(), profile, entry, nullptr);
    const char* listing = cgGetLastListing(context);
    EXPECT_NE(p, nullptr) << (listing ? listing : "");
    if (p) cgGLLoadProgram(p);
    return p;
}

void GLDrawing::bind(CGprogram vertex, CGprogram fragment) {
    cgGLBindProgram(vertex);
    cgGLBindProgram(fragment);
}

Pixel GLDrawing::drawAndRead(const float color[4]) {
    static const float white[4] = {1, 1, 1, 1};
    const float* c = color ? color : white;
    const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    glBegin(GL_QUADS);
    for (const auto& p : corners) {
        glColor4f(c[0], c[1], c[2], c[3]);
        glTexCoord2f((p[0] + 1) / 2, (p[1] + 1) / 2);
        glVertex4f(p[0], p[1], 0, 1);
    }
    glEnd();
    unsigned char rgba[4] = {};
    glReadPixels(size / 2, size / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}

unsigned GLDrawing::texture(unsigned char r, unsigned char g, unsigned char b, unsigned char a) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    unsigned char texel[4] = {r, g, b, a};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return name;
}

void expectPixel(const Pixel& actual, float r, float g, float b, float a) {
    const float want[4] = {r, g, b, a};
    // Alpha is left out: the window's colour buffer need not have any.
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(actual[static_cast<size_t>(i)], std::lround(want[i] * 255.0f), 1)
            << "channel " << i << " of (" << actual[0] << ", " << actual[1] << ", " << actual[2] << ", "
            << actual[3] << ")";
}

}  // namespace cgtest
