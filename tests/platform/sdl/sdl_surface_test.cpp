// On X11 a window's GL visual is fixed when the native window is created:
// a context of another format gets a new X window in the old one's place.
#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform/gl_context.h"
#include "platform/window.h"

using namespace Zephra;
using namespace ZephraTest;

TEST(SdlSurface, OtherFormatReplacesTheXWindowAndRemovesTheOldOne) {
    Window window(320, 240, true);
    const std::string before = Backend::screenId(window);
    Platform::GLContext* context = Platform::createGLContext(window, 16, 0, 4, false);
    ASSERT_NE(context, nullptr);
    const std::string after = Backend::screenId(window);
    EXPECT_NE(after, before);
    EXPECT_FALSE(Backend::onScreen(before).exists);
    EXPECT_TRUE(Backend::onScreen(after).viewable);
    Platform::destroyGLContext(context);
}
