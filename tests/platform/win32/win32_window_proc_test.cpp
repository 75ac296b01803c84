// The window class and procedure as Windows sees them: what the procedure
// swallows, what it turns into the quit message, and the styles the window
// is made with.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/window.h"

namespace {

HWND handleOf(const Zephra::Window& window) { return static_cast<HWND>(window.getNativeHandle()); }

// Takes the thread's pending messages; whether the quit message was among them.
bool quitPending() {
    MSG message;
    bool quit = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) quit = true;
        else DispatchMessageA(&message);
    }
    return quit;
}

}  // namespace

TEST(Win32WindowProc, ScreenSaverAndMonitorPowerDownAreRefused) {
    Zephra::Window window(64, 64, true);
    quitPending();
    EXPECT_EQ(SendMessageA(handleOf(window), WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(handleOf(window), WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    EXPECT_EQ(SendMessageA(handleOf(window), WM_ACTIVATE, WA_ACTIVE, 0), 0);
    EXPECT_TRUE(IsWindow(handleOf(window)));
    EXPECT_FALSE(quitPending());
}

TEST(Win32WindowProc, CloseRequestPostsQuitAndKeepsTheWindow) {
    Zephra::Window window(64, 64, true);
    quitPending();
    EXPECT_EQ(SendMessageA(handleOf(window), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(quitPending());
    EXPECT_TRUE(IsWindow(handleOf(window)));
    EXPECT_TRUE(IsWindowVisible(handleOf(window)));
}

TEST(Win32WindowProc, ClassAndStylesAreTheGamesOwn) {
    Zephra::Window framed(64, 64, true);
    Zephra::Window frameless(32, 32, false);
    char name[32] = {};
    GetClassNameA(handleOf(framed), name, sizeof name);
    EXPECT_STREQ(name, "Zephra");
    EXPECT_EQ(GetClassLongPtrA(handleOf(framed), GCL_STYLE),
              static_cast<ULONG_PTR>(CS_VREDRAW | CS_HREDRAW | CS_OWNDC));
    const auto style = [](const Zephra::Window& window) {
        return static_cast<DWORD>(GetWindowLongPtrA(handleOf(window), GWL_STYLE)) & ~WS_VISIBLE;
    };
    const DWORD clip = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    EXPECT_EQ(style(framed), static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU) | clip);
    EXPECT_EQ(style(frameless), static_cast<DWORD>(WS_POPUP) | clip);
    EXPECT_TRUE(GetWindowLongPtrA(handleOf(framed), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}
