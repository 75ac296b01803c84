// The window as the X server sees it: size, place, title, visibility.
#include <gtest/gtest.h>

#include <string>

#include "platform/window.h"
#include "x_tools.h"

using namespace ZephraTest;

TEST(Window, FramedClientAreaHasTheRequestedSizeAndPlace) {
    Zephra::Window window(800, 600, true);
    EXPECT_EQ(window.getWidth(), 800);
    EXPECT_EQ(window.getHeight(), 600);
    const XGeometry x = xGeometry(xWindowOf(window));
    ASSERT_TRUE(x.exists);
    EXPECT_TRUE(x.viewable);
    EXPECT_EQ(x.width, 800);
    EXPECT_EQ(x.height, 600);
    EXPECT_EQ(x.name, "Zephra Window");
    // No window manager runs under the test's X server, so nothing moves it.
    EXPECT_EQ(x.x, 5);
    EXPECT_EQ(x.y, 5);
}

TEST(Window, SizeIsTheWindowSystemsNowNotAsOfTheLastPump) {
    Zephra::Window window(800, 600, true);
    const std::string id = std::to_string(xWindowOf(window));
    ASSERT_TRUE(runOk("xdotool windowsize --sync " + id + " 640 480"));
    // No event has been pumped since: the answer must come from the server.
    EXPECT_EQ(window.getWidth(), 640);
    EXPECT_EQ(window.getHeight(), 480);
}

TEST(Window, FramelessWindowOpensBesideTheFramedOneAndGoesAway) {
    Zephra::Window game(800, 600, true);
    unsigned long probeId = 0;
    {
        Zephra::Window probe(128, 128, false);
        probeId = xWindowOf(probe);
        EXPECT_NE(probeId, xWindowOf(game));
        EXPECT_EQ(probe.getWidth(), 128);
        EXPECT_EQ(probe.getHeight(), 128);
        const XGeometry x = xGeometry(probeId);
        ASSERT_TRUE(x.exists);
        EXPECT_TRUE(x.viewable);
        EXPECT_EQ(x.width, 128);
        EXPECT_EQ(x.height, 128);
        EXPECT_EQ(x.x, 0);
        EXPECT_EQ(x.y, 0);
    }
    EXPECT_FALSE(xGeometry(probeId).exists);
    EXPECT_TRUE(xGeometry(xWindowOf(game)).viewable);
    EXPECT_EQ(game.getWidth(), 800);
}

TEST(Window, DisplayModeTheDisplayLacksLeavesTheWindowAlone) {
    Zephra::Window window(800, 600, true);
    Zephra::changeDisplayMode(123, 45, 32);  // no display has this mode
    EXPECT_EQ(window.getWidth(), 800);
    EXPECT_EQ(window.getHeight(), 600);
    const XGeometry x = xGeometry(xWindowOf(window));
    EXPECT_TRUE(x.viewable);
    EXPECT_EQ(x.width, 800);
    EXPECT_EQ(x.x, 5);
}
