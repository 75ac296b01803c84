// Windows as the X server under Wine sees them: client size, place, title,
// and a second window of the same class beside the first.
#include <gtest/gtest.h>

#include "platform/gl_context.h"
#include "platform/window.h"
#include "unix_command.h"

using namespace ZephraTest;

namespace {

// Works off the window's start-up messages, so that Wine has told the X
// server everything about it.
void settle() {
    for (int i = 0; i < 50; ++i) {
        Zephra::Platform::pumpOneEvent();
        sleepMs(5);
    }
}

}  // namespace

TEST(Win32Window, FramedClientAreaHasTheRequestedSizeBelowItsCaption) {
    Zephra::Window window(800, 600, true);
    settle();
    EXPECT_EQ(window.getWidth(), 800);
    EXPECT_EQ(window.getHeight(), 600);
    const XWindowInfo x = findZephraWindow(800, 600);
    ASSERT_FALSE(x.id.empty()) << "no viewable 800 x 600 window titled \"Zephra Window\"";
    // The frame is placed at (5, 5): the client area lies right of its
    // border and below its caption, which is taller than the border.
    EXPECT_GT(x.x, 5);
    EXPECT_GT(x.y, 5);
    EXPECT_GT(x.y - 5, x.x - 5);
}

TEST(Win32Window, FramelessWindowOfTheSameClassOpensAtTheOriginAndGoesAway) {
    Zephra::Window game(800, 600, true);
    std::string probeId;
    {
        // The class is registered again; that fails and is harmless.
        Zephra::Window probe(128, 128, false);
        settle();
        EXPECT_EQ(probe.getWidth(), 128);
        EXPECT_EQ(probe.getHeight(), 128);
        EXPECT_NE(probe.getNativeHandle(), game.getNativeHandle());
        const XWindowInfo x = findZephraWindow(128, 128);
        ASSERT_FALSE(x.id.empty());
        EXPECT_EQ(x.x, 0);
        EXPECT_EQ(x.y, 0);
        probeId = x.id;
    }
    settle();
    EXPECT_FALSE(describeWindow(probeId).viewable);
    EXPECT_FALSE(findZephraWindow(800, 600).id.empty());
    EXPECT_EQ(game.getWidth(), 800);
}

TEST(Win32Window, DisplayModeTheDisplayLacksLeavesTheWindowAlone) {
    Zephra::Window window(800, 600, true);
    settle();
    const XWindowInfo before = findZephraWindow(800, 600);
    Zephra::changeDisplayMode(123, 45, 32);  // no display has this mode
    settle();
    EXPECT_EQ(window.getWidth(), 800);
    EXPECT_EQ(window.getHeight(), 600);
    const XWindowInfo after = findZephraWindow(800, 600);
    ASSERT_FALSE(after.id.empty());
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
}
