// Polled input follows what xdotool does to the X pointer and keyboard.
#include <gtest/gtest.h>

#include "platform/gl_context.h"
#include "platform/input.h"
#include "platform/window.h"
#include "../support/platform_polling.h"
#include "x_tools.h"

using namespace Zephra;
using namespace ZephraTest;

TEST(Input, CursorIsInClientPixelsInsideAndOutsideTheWindow) {
    Window framed(800, 600, true);  // client origin (5, 5)
    Window frameless(128, 128, false);  // client origin (0, 0)
    ASSERT_TRUE(runOk("xdotool mousemove 105 55"));
    EXPECT_TRUE(eventually([&] { return cursorAt(framed, 100, 50); }));
    EXPECT_TRUE(cursorAt(frameless, 105, 55));  // beyond its 128 x 128
    ASSERT_TRUE(runOk("xdotool mousemove 0 0"));
    EXPECT_TRUE(eventually([&] { return cursorAt(framed, -5, -5); }));
    EXPECT_TRUE(cursorAt(frameless, 0, 0));
}

TEST(Input, ButtonsAreThePhysicalStateNow) {
    Window window(800, 600, true);
    ASSERT_TRUE(runOk("xdotool mousemove 300 300"));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
    ASSERT_TRUE(runOk("xdotool mousedown 1"));
    EXPECT_TRUE(eventually([] { return isMouseButtonDown(MouseButtonEnum::Left); }));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Right));
    ASSERT_TRUE(runOk("xdotool mouseup 1 mousedown 3"));
    EXPECT_TRUE(eventually([] { return isMouseButtonDown(MouseButtonEnum::Right); }));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
    ASSERT_TRUE(runOk("xdotool mouseup 3"));
    EXPECT_TRUE(eventually([] { return !isMouseButtonDown(MouseButtonEnum::Right); }));
}

TEST(Input, EscapeKeyIsSeenWhileHeld) {
    Window window(800, 600, true);
    ASSERT_TRUE(runOk("xdotool mousemove 300 300"));
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape));
    ASSERT_TRUE(runOk("xdotool keydown Escape"));
    EXPECT_TRUE(eventually([] { return isKeyDown(KeyEnum::Escape); }));
    ASSERT_TRUE(runOk("xdotool keyup Escape"));
    EXPECT_TRUE(eventually([] { return !isKeyDown(KeyEnum::Escape); }));
}

TEST(Input, EscapeTappedBetweenTwoQueriesCountsOnce) {
    Window window(800, 600, true);
    ASSERT_TRUE(runOk("xdotool mousemove 300 300"));
    sleepMs(100);
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape));
    // Press and release both reach the process before the next query.
    ASSERT_TRUE(runOk("xdotool key Escape"));
    sleepMs(100);
    EXPECT_TRUE(eventually([] { return isKeyDown(KeyEnum::Escape); }));
    EXPECT_FALSE(isKeyDown(KeyEnum::Escape)) << "one tap counts once";
}

TEST(Input, ClickBetweenTwoQueriesCountsOnceForThatButton) {
    Window window(800, 600, true);
    ASSERT_TRUE(runOk("xdotool mousemove 300 300"));
    EXPECT_TRUE(eventually([&] { return cursorAt(window, 295, 295); }));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Left));
    EXPECT_FALSE(isMouseButtonDown(MouseButtonEnum::Right));
    for (MouseButtonEnum button : {MouseButtonEnum::Left, MouseButtonEnum::Right}) {
        const MouseButtonEnum other =
            button == MouseButtonEnum::Left ? MouseButtonEnum::Right : MouseButtonEnum::Left;
        // Press and release both reach the process before the next query.
        ASSERT_TRUE(runOk(button == MouseButtonEnum::Left ? "xdotool click 1" : "xdotool click 3"));
        EXPECT_TRUE(eventually([&] { return isMouseButtonDown(button); }));
        EXPECT_FALSE(isMouseButtonDown(button)) << "one click counts once";
        EXPECT_FALSE(isMouseButtonDown(other)) << "a click counts for its own button only";
    }
}
