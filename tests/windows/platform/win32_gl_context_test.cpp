// WGL contexts on our windows: the classic and the multisampled pixel format,
// drawing, and the loader that both the engine and the Cg runtime use.
#include <gtest/gtest.h>

#include <GL/gl.h>
// Constants beyond OpenGL 1.1, which Windows' own gl.h stops at.
#include <GL/glext.h>

#include "platform/gl_context.h"
#include "platform/window.h"

using namespace Zephra;

namespace {

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

}  // namespace

TEST(Win32GLContext, ClassicFormatDrawsAndHasTheRequestedBuffers) {
    Window window(320, 240, true);
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    EXPECT_NE(Platform::getNativeContext(context), nullptr);
    EXPECT_NE(Platform::getNativeSurface(window), nullptr);
    EXPECT_GE(integer(GL_DEPTH_BITS), 24);
    EXPECT_GE(integer(GL_STENCIL_BITS), 8);
    EXPECT_EQ(integer(GL_SAMPLE_BUFFERS), 0);
    EXPECT_NE(integer(GL_DOUBLEBUFFER), 0);

    glViewport(0, 0, 320, 240);
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(0.0f, -1.0f);
    glVertex2f(0.0f, 0.0f);
    glVertex2f(-1.0f, 0.0f);
    glEnd();
    unsigned char cleared[4] = {}, drawn[4] = {};
    glReadPixels(300, 200, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, cleared);
    glReadPixels(10, 10, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, drawn);
    EXPECT_NEAR(cleared[0], 64, 1);
    EXPECT_NEAR(cleared[2], 191, 1);
    EXPECT_EQ(drawn[0], 255);
    EXPECT_EQ(drawn[1], 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    Platform::swapBuffers(window);
    Platform::destroyGLContext(context);
}

TEST(Win32GLContext, LoaderGivesExtensionsAndCoreFunctionsOnlyWithACurrentContext) {
    Window window(64, 64, false);
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr);
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    // Beyond 1.1 from the driver, 1.1 from opengl32's own exports.
    EXPECT_NE(Platform::getGLProcAddress("glUseProgram"), nullptr);
    EXPECT_NE(Platform::getGLProcAddress("wglChoosePixelFormatARB"), nullptr);
    EXPECT_NE(Platform::getGLProcAddress("glBindTexture"), nullptr);
    EXPECT_EQ(Platform::getGLProcAddress("glNoSuchFunctionEXT"), nullptr);
    EXPECT_TRUE(Platform::procAddressProvesPresence());
    Platform::destroyGLContext(context);
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr);
}

namespace {

int probeChecks = 0;
bool passingProbe() {
    ++probeChecks;
    return Platform::getGLProcAddress("wglChoosePixelFormatARB") != nullptr;
}
bool refusingProbe() {
    ++probeChecks;
    return false;
}

}  // namespace

TEST(Win32GLContext, MultisampledFormatIsFoundThroughATemporaryContext) {
    Window window(64, 64, true);
    probeChecks = 0;
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 4, false, &passingProbe);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(probeChecks, 1);
    // The chooser's format when the driver has one, the classic one if not.
    const GLint samples = integer(GL_SAMPLES);
    EXPECT_TRUE(samples == 0 || samples >= 4) << samples;
    EXPECT_EQ(integer(GL_SAMPLE_BUFFERS) != 0, samples != 0);
    EXPECT_GE(integer(GL_DEPTH_BITS), 24);
    Platform::destroyGLContext(context);
}

TEST(Win32GLContext, RefusedTemporaryContextGivesNoContextAndLeavesTheWindowAlone) {
    Window window(64, 64, true);
    probeChecks = 0;
    EXPECT_EQ(Platform::createGLContext(window, 24, 8, 4, false, &refusingProbe), nullptr);
    EXPECT_EQ(probeChecks, 1);
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr);
    // The window took no pixel format: a classic context still starts on it.
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(integer(GL_SAMPLE_BUFFERS), 0);
    Platform::destroyGLContext(context);
}

TEST(Win32GLContext, ClassicPathNeverRunsTheProbe) {
    Window window(64, 64, true);
    probeChecks = 0;
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false, &passingProbe);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(probeChecks, 0);
    Platform::destroyGLContext(context);
}
