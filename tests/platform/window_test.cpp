// The window as the screen shows it: size, place, title, visibility.
#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform_polling.h"
#include "platform/window.h"

using namespace ZephraTest;

namespace {

// The window once the window system has shown it at its client size.
ScreenWindow shown(const Zephra::Window& window, int width, int height) {
    ScreenWindow seen;
    waitUntil(pumping([&] {
        seen = Backend::onScreen(Backend::screenId(window));
        return seen.viewable && seen.width == width && seen.height == height;
    }));
    return seen;
}

// The window's client area measures width x height, both as the window says
// and as the screen shows it, titled and at (x, y) on the screen.
void expectShownAt(const Zephra::Window& window, int width, int height, int x, int y) {
    EXPECT_EQ(window.getWidth(), width);
    EXPECT_EQ(window.getHeight(), height);
    const ScreenWindow screen = shown(window, width, height);
    ASSERT_TRUE(screen.exists);
    EXPECT_TRUE(screen.viewable);
    EXPECT_EQ(screen.width, width);
    EXPECT_EQ(screen.height, height);
    EXPECT_EQ(screen.title, "Zephra Window");
    if (backendCan(Need::PlaceWindow)) {
        EXPECT_EQ(screen.x, x);
        EXPECT_EQ(screen.y, y);
    }
}

}  // namespace

TEST(Window, FramedClientAreaHasTheRequestedSizeAndItsFrameIsAtFiveFive) {
    Zephra::Window window(800, 600, true);
    int left = 0, top = 0;
    Backend::frameInset(window, left, top);
    EXPECT_GE(left, 0);
    EXPECT_GE(top, left) << "a caption is at least as tall as the border";
    // No window manager runs on the test's screen, so nothing moves it.
    expectShownAt(window, 800, 600, 5 + left, 5 + top);
}

TEST(Window, SizeIsTheWindowSystemsNowNotAsOfTheLastPump) {
    SKIP_UNLESS_BACKEND_CAN(Need::ResizeFromOutside);
    Zephra::Window window(800, 600, true);
    shown(window, 800, 600);
    ASSERT_TRUE(Backend::resizeFromOutside(Backend::screenId(window), 640, 480));
    // No event has been pumped since: the answer must come from the window system.
    EXPECT_EQ(window.getWidth(), 640);
    EXPECT_EQ(window.getHeight(), 480);
}

TEST(Window, FramelessWindowOpensAtTheOriginBesideTheFramedOneAndGoesAway) {
    SKIP_UNLESS_BACKEND_CAN(Need::SeveralWindows);
    Zephra::Window game(800, 600, true);
    std::string probeId;
    {
        // A second window of the same kind while the first exists, as the
        // device's multisample start-up makes one.
        Zephra::Window probe(128, 128, false);
        probeId = Backend::screenId(probe);
        EXPECT_NE(probeId, Backend::screenId(game));
        EXPECT_NE(probe.getNativeHandle(), game.getNativeHandle());
        expectShownAt(probe, 128, 128, 0, 0);
    }
    EXPECT_TRUE(waitUntil(pumping([&] { return !Backend::onScreen(probeId).viewable; })));
    EXPECT_TRUE(Backend::onScreen(Backend::screenId(game)).viewable);
    EXPECT_EQ(game.getWidth(), 800);
}

TEST(Window, DisplayModeTheDisplayLacksLeavesTheWindowAlone) {
    Zephra::Window window(800, 600, true);
    const ScreenWindow before = shown(window, 800, 600);
    Zephra::changeDisplayMode(123, 45, 32);  // no display has this mode
    drain();
    EXPECT_EQ(window.getWidth(), 800);
    EXPECT_EQ(window.getHeight(), 600);
    const ScreenWindow after = Backend::onScreen(Backend::screenId(window));
    EXPECT_TRUE(after.viewable);
    EXPECT_EQ(after.width, 800);
    EXPECT_EQ(after.height, 600);
    EXPECT_EQ(after.x, before.x);
    EXPECT_EQ(after.y, before.y);
}
