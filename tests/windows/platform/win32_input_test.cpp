// Polled input under Wine follows what xdotool does to the X pointer and
// keyboard: the cursor in client pixels, the buttons and Escape down now or
// pressed since the previous query.
#include <gtest/gtest.h>

#include <string>

#include "platform/gl_context.h"
#include "platform/input.h"
#include "platform/window.h"
#include "../../support/platform_polling.h"
#include "unix_command.h"

using namespace Zephra;
using namespace ZephraTest;

namespace {

// The X window of a framed 800 x 600 game window, focused, with the
// pointer over its middle.
XWindowInfo focusedGameWindow() {
    drain();
    const XWindowInfo x = findZephraWindow(800, 600);
    if (x.id.empty()) return x;
    runUnixOk("xdotool mousemove " + std::to_string(x.x + 400) + " " + std::to_string(x.y + 300));
    runUnixOk("timeout 10 xdotool windowfocus --sync " + x.id);
    drain();
    return x;
}

}  // namespace

TEST(Win32Input, CursorIsInClientPixelsInsideAndOutsideTheWindow) {
    Window framed(800, 600, true);
    Window frameless(128, 128, false);  // client origin (0, 0)
    drain();
    const XWindowInfo x = findZephraWindow(800, 600);
    ASSERT_FALSE(x.id.empty());
    ASSERT_TRUE(runUnixOk("xdotool mousemove " + std::to_string(x.x + 100) + " " +
                          std::to_string(x.y + 50)));
    EXPECT_TRUE(eventually([&] { return cursorAt(framed, 100, 50); }));
    EXPECT_TRUE(cursorAt(frameless, x.x + 100, x.y + 50));  // beyond its 128 x 128
    ASSERT_TRUE(runUnixOk("xdotool mousemove 0 0"));
    EXPECT_TRUE(eventually([&] { return cursorAt(framed, -x.x, -x.y); }));
    EXPECT_TRUE(cursorAt(frameless, 0, 0));
}

TEST(Win32Input, ButtonsHeldOverTheWindowAreDown) {
    Window window(800, 600, true);
    ASSERT_FALSE(focusedGameWindow().id.empty());
    isMouseButtonDown(MouseButtonEnum::Left);  // forget anything pressed before
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
    ASSERT_TRUE(runUnixOk("xdotool mousedown 1"));
    EXPECT_TRUE(eventually([] { return isMouseButtonDown(MouseButtonEnum::Left); }));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Right));
    ASSERT_TRUE(runUnixOk("xdotool mouseup 1 mousedown 3"));
    EXPECT_TRUE(eventually([] { return isMouseButtonDown(MouseButtonEnum::Right); }));
    ASSERT_TRUE(runUnixOk("xdotool mouseup 3"));
    EXPECT_TRUE(eventually([] { return !isMouseButtonDown(MouseButtonEnum::Right); }));
}

TEST(Win32Input, ClickBetweenTwoQueriesCountsOnce) {
    Window window(800, 600, true);
    ASSERT_FALSE(focusedGameWindow().id.empty());
    isMouseButtonDown(MouseButtonEnum::Left);
    // Press and release both reach the program before the next query.
    ASSERT_TRUE(runUnixOk("xdotool click 1"));
    drain();
    EXPECT_TRUE(isMouseButtonDown(MouseButtonEnum::Left)) << "the click was lost";
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left)) << "one click counts once";
}

TEST(Win32Input, EscapeHeldAndEscapeTapped) {
    Window window(800, 600, true);
    ASSERT_FALSE(focusedGameWindow().id.empty());
    isKeyDown(KeyEnum::Escape);
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape));
    ASSERT_TRUE(runUnixOk("xdotool keydown Escape"));
    EXPECT_TRUE(eventually([] { return isKeyDown(KeyEnum::Escape); }));
    ASSERT_TRUE(runUnixOk("xdotool keyup Escape"));
    EXPECT_TRUE(eventually([] { return !isKeyDown(KeyEnum::Escape); }));

    ASSERT_TRUE(runUnixOk("xdotool key Escape"));
    drain();
    EXPECT_TRUE(isKeyDown(KeyEnum::Escape)) << "the tap was lost";
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape)) << "one tap counts once";
}
