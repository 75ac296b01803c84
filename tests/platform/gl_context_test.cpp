// OpenGL contexts on our windows: drawing reaches the surface with the
// buffers asked for, entry points come only with a current context, and a
// request for another format keeps the window where and what it was.
#include <gtest/gtest.h>

#include <GL/gl.h>
// Constants beyond OpenGL 1.1, which Windows' own gl.h stops at.
#include <GL/glext.h>

#include "backend_fixture.h"
#include "platform_polling.h"
#include "platform/gl_context.h"
#include "platform/window.h"

using namespace Zephra;
using namespace ZephraTest;

namespace {

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

struct Rgb {
    int r, g, b;
};

Rgb readPixel(int x, int y) {
    unsigned char p[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

ScreenWindow shownOnScreen(const Window& window) {
    ScreenWindow screen;
    waitUntil(pumping([&] {
        screen = Backend::onScreen(Backend::screenId(window));
        return screen.viewable && screen.width == window.getWidth() &&
               screen.height == window.getHeight();
    }));
    return screen;
}

int probeChecks = 0;
bool passingProbe() {
    ++probeChecks;
    return true;
}
bool refusingProbe() {
    ++probeChecks;
    return false;
}

}  // namespace

TEST(GLContext, ClassicFormatClearsAndDrawsInImmediateModeWithTheRequestedBuffers) {
    // Without desktop GL, a context of the backend's own API: its buffers and
    // clear are checked all the same.
    const bool desktop = backendCan(Need::DesktopGL);
    Window window(800, 600, true);
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    Platform::makeCurrent(window, context);
    ASSERT_NE(glGetString(GL_VERSION), nullptr);
    EXPECT_NE(Platform::getNativeContext(context), nullptr);
    EXPECT_NE(Platform::getNativeSurface(window), nullptr);
    EXPECT_GE(integer(GL_DEPTH_BITS), 24);
    EXPECT_GE(integer(GL_STENCIL_BITS), 8);
    EXPECT_EQ(integer(GL_SAMPLE_BUFFERS), 0);
    if (desktop) {
        EXPECT_NE(integer(GL_DOUBLEBUFFER), 0);
    }

    glViewport(0, 0, 800, 600);
    glClearColor(0.25f, 0.5f, 0.75f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    if (desktop) {
        // A compatibility context: legacy immediate mode draws.
        glColor3f(1.0f, 0.0f, 0.0f);
        glBegin(GL_QUADS);
        glVertex2f(-1.0f, -1.0f);
        glVertex2f(0.0f, -1.0f);
        glVertex2f(0.0f, 0.0f);
        glVertex2f(-1.0f, 0.0f);
        glEnd();
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const Rgb cleared = readPixel(700, 500);
    EXPECT_NEAR(cleared.r, 64, 1);
    EXPECT_NEAR(cleared.g, 128, 1);
    EXPECT_NEAR(cleared.b, 191, 1);
    if (desktop) {
        const Rgb drawn = readPixel(100, 100);
        EXPECT_EQ(drawn.r, 255);
        EXPECT_EQ(drawn.g, 0);
        EXPECT_EQ(drawn.b, 0);
    }

    Platform::swapBuffers(window);
    Platform::destroyGLContext(context);
}

TEST(GLContext, EntryPointsComeOnlyWithACurrentContext) {
    Window window(64, 64, false);
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr);
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    // Beyond 1.1 from the driver, and 1.1 itself.
    EXPECT_NE(Platform::getGLProcAddress("glUseProgram"), nullptr);
    EXPECT_NE(Platform::getGLProcAddress("glBindTexture"), nullptr);
    if (Platform::procAddressProvesPresence()) {
        EXPECT_EQ(Platform::getGLProcAddress("glNoSuchFunctionEXT"), nullptr);
    }
    Platform::destroyGLContext(context);
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr);
}

TEST(GLContext, MultisampledRequestKeepsTheWindowsSizePlaceAndTitle) {
    Window window(320, 240, true);
    const ScreenWindow before = shownOnScreen(window);
    const std::string beforeId = Backend::screenId(window);
    probeChecks = 0;
    Platform::GLContext* context =
        Platform::createGLContext(window, 16, 0, 4, false, &passingProbe);
    ASSERT_NE(context, nullptr);
    Platform::makeCurrent(window, context);
    // Run once where a temporary context finds the format, else never.
    EXPECT_EQ(probeChecks, Backend::cannot(Need::ProbedMultisampleFormat).empty() ? 1 : 0);

    // The native window may have been replaced; then the old one is gone.
    const std::string afterId = Backend::screenId(window);
    if (afterId != beforeId) {
        EXPECT_FALSE(Backend::onScreen(beforeId).viewable);
    }
    const ScreenWindow after = shownOnScreen(window);
    EXPECT_TRUE(after.viewable);
    EXPECT_EQ(after.width, 320);
    EXPECT_EQ(after.height, 240);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
    EXPECT_EQ(after.title, "Zephra Window");
    EXPECT_EQ(window.getWidth(), 320);

    glClearColor(0.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glFinish();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // The multisampled format where the driver has one, the plain one if not.
    const GLint samples = integer(GL_SAMPLES);
    EXPECT_TRUE(samples == 0 || samples >= 4) << samples;
    EXPECT_EQ(integer(GL_SAMPLE_BUFFERS) != 0, samples != 0);
    EXPECT_GE(integer(GL_DEPTH_BITS), 16);
    Platform::swapBuffers(window);
    Platform::destroyGLContext(context);
}

TEST(GLContext, SameFormatKeepsTheNativeWindowAndNeverRunsTheProbe) {
    Window window(64, 64, false);
    const std::string before = Backend::screenId(window);
    probeChecks = 0;
    Platform::GLContext* context =
        Platform::createGLContext(window, 24, 8, 0, false, &passingProbe);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(Backend::screenId(window), before);
    EXPECT_EQ(probeChecks, 0);
    Platform::destroyGLContext(context);
}

TEST(GLContext, RefusedProbeGivesNoContextAndLeavesTheWindowUsable) {
    SKIP_UNLESS_BACKEND_CAN(Need::ProbedMultisampleFormat);
    Window window(64, 64, true);
    probeChecks = 0;
    EXPECT_EQ(Platform::createGLContext(window, 24, 8, 4, false, &refusingProbe), nullptr);
    EXPECT_EQ(probeChecks, 1);
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr);
    // The window took no format: a classic context still starts on it.
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(integer(GL_SAMPLE_BUFFERS), 0);
    Platform::destroyGLContext(context);
}
