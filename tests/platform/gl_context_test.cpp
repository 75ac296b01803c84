// OpenGL contexts on our windows: drawing reaches the surface, the format
// request may rebuild the native window without the caller noticing.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "platform/gl_context.h"
#include "platform/window.h"
#include "x_tools.h"

using namespace Zephra;
using namespace ZephraTest;

namespace {

struct Rgb {
    int r, g, b;
};

Rgb readPixel(int x, int y) {
    unsigned char p[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

}  // namespace

TEST(GLContext, ClearsAndDrawsInImmediateMode) {
    Window window(800, 600, true);
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    Platform::makeCurrent(window, context);
    ASSERT_NE(glGetString(GL_VERSION), nullptr);
    EXPECT_NE(Platform::getGLProcAddress("glUseProgram"), nullptr);

    glViewport(0, 0, 800, 600);
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    // A compatibility context: legacy immediate mode draws.
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(0.0f, -1.0f);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(-1.0f, 0.0f);
    glEnd();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const Rgb cleared = readPixel(700, 500);
    EXPECT_NEAR(cleared.r, 64, 1);
    EXPECT_NEAR(cleared.g, 128, 1);
    EXPECT_NEAR(cleared.b, 191, 1);
    const Rgb drawn = readPixel(100, 100);
    EXPECT_EQ(drawn.r, 255);
    EXPECT_EQ(drawn.g, 0);
    EXPECT_EQ(drawn.b, 0);

    GLint depthBits = 0, stencilBits = 0;
    glGetIntegerv(GL_DEPTH_BITS, &depthBits);
    glGetIntegerv(GL_STENCIL_BITS, &stencilBits);
    EXPECT_GE(depthBits, 24);
    EXPECT_GE(stencilBits, 8);

    Platform::swapBuffers(window);
    Platform::destroyGLContext(context);
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr);
}

TEST(GLContext, OtherFormatRebuildsTheNativeWindowInPlace) {
    Window window(320, 240, true);
    const unsigned long before = xWindowOf(window);
    Platform::GLContext* context = Platform::createGLContext(window, 16, 0, 4, false);
    ASSERT_NE(context, nullptr);
    Platform::makeCurrent(window, context);

    const unsigned long after = xWindowOf(window);
    EXPECT_NE(after, before);
    EXPECT_FALSE(xGeometry(before).exists);
    const XGeometry x = xGeometry(after);
    EXPECT_TRUE(x.viewable);
    EXPECT_EQ(x.width, 320);
    EXPECT_EQ(x.height, 240);
    EXPECT_EQ(x.x, 5);
    EXPECT_EQ(x.y, 5);
    EXPECT_EQ(x.name, "Zephra Window");
    EXPECT_EQ(window.getWidth(), 320);

    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    GLint sampleBuffers = -1;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    // Multisampling is asked for; a display without it gives the plain format.
    EXPECT_GE(sampleBuffers, 0);
    Platform::swapBuffers(window);
    Platform::destroyGLContext(context);
}

TEST(GLContext, SameFormatKeepsTheNativeWindow) {
    Window window(64, 64, false);
    const unsigned long before = xWindowOf(window);
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(xWindowOf(window), before);
    EXPECT_NE(Platform::getNativeContext(context), nullptr);
    Platform::destroyGLContext(context);
}
