// WGL only: the loader answers for the extensions of the driver and for
// nothing else, and the multisampled format's probe runs with the temporary
// context current, where wglChoosePixelFormatARB resolves.
#include <gtest/gtest.h>

#include "platform/gl_context.h"
#include "platform/window.h"

using namespace Zephra;

namespace {

bool chooserResolved = false;
bool probeSeesTheChooser() {
    chooserResolved = Platform::getGLProcAddress("wglChoosePixelFormatARB") != nullptr;
    return true;
}

}  // namespace

TEST(Win32Wgl, LoaderNamesTheDriversExtensionsAndNothingElse) {
    Window window(64, 64, false);
    Platform::GLContext* context = Platform::createGLContext(window, 24, 8, 0, false);
    ASSERT_NE(context, nullptr);
    EXPECT_TRUE(Platform::procAddressProvesPresence());
    EXPECT_TRUE(Platform::hasPixelFormatChooser());
    EXPECT_NE(Platform::getGLProcAddress("wglChoosePixelFormatARB"), nullptr);
    EXPECT_EQ(Platform::getGLProcAddress("glNoSuchFunctionEXT"), nullptr);
    Platform::destroyGLContext(context);
}

TEST(Win32Wgl, ProbeRunsWithTheTemporaryContextCurrent) {
    Window window(64, 64, true);
    chooserResolved = false;
    Platform::GLContext* context =
        Platform::createGLContext(window, 24, 8, 4, false, &probeSeesTheChooser);
    ASSERT_NE(context, nullptr);
    EXPECT_TRUE(chooserResolved);
    Platform::destroyGLContext(context);
}
