// What only the browser backend has: a canvas keeps the buffers of its first
// WebGL context for good, and asking it again for more gives a context
// without them.
#include <gtest/gtest.h>

#include "platform/gl_context.h"
#include "platform/window.h"

using namespace Zephra;

TEST(WebGLContext, ALaterContextThatWouldLackTheAskedBuffersIsNone) {
    Window window(64, 64, false);
    Platform::GLContext* plain = Platform::createGLContext(window, 0, 0, 0, false);
    ASSERT_NE(plain, nullptr);
    Platform::destroyGLContext(plain);

    EXPECT_EQ(Platform::createGLContext(window, 24, 8, 0, false), nullptr)
        << "a context without the depth and stencil buffers asked for";
    EXPECT_EQ(Platform::getGLProcAddress("glUseProgram"), nullptr) << "none is current";
    // What the canvas has is still given.
    Platform::GLContext* again = Platform::createGLContext(window, 0, 0, 0, false);
    ASSERT_NE(again, nullptr);
    Platform::destroyGLContext(again);
}
