// The pump: one event per call, the close request as Quit, and pointer
// traffic kept out of the queue so that it cannot delay the close request.
#include <gtest/gtest.h>

#include <string>

#include "platform/gl_context.h"
#include "platform/window.h"
#include "../support/platform_polling.h"
#include "x_tools.h"

using namespace Zephra;
using namespace ZephraTest;
using Platform::PumpResult;

namespace {

// Pumps until Quit; the number of calls it took, or -1 after `limit` calls.
int callsUntilQuit(int limit) {
    for (int call = 1; call <= limit; ++call) {
        const PumpResult result = Platform::pumpOneEvent();
        if (result == PumpResult::Quit) return call;
        if (result == PumpResult::None) sleepMs(10);  // the request is still on its way
    }
    return -1;
}

}  // namespace

TEST(Pump, CloseRequestBecomesQuitOnTheCallThatTakesItAndKeepsTheWindow) {
    Window window(800, 600, true);
    drain(5);
    for (int i = 0; i < 20; ++i) EXPECT_NE(Platform::pumpOneEvent(), PumpResult::Quit);

    ASSERT_TRUE(sendCloseRequest(xWindowOf(window)));
    EXPECT_GT(callsUntilQuit(500), 0);
    // Taken once: the next calls find nothing more to quit for.
    for (int i = 0; i < 5; ++i) EXPECT_NE(Platform::pumpOneEvent(), PumpResult::Quit);
    EXPECT_TRUE(xGeometry(xWindowOf(window)).viewable);
    EXPECT_EQ(window.getWidth(), 800);
}

TEST(Pump, PointerMotionDoesNotDelayTheCloseRequest) {
    Window window(800, 600, true);
    drain(5);
    std::string moves = "xdotool";
    for (int i = 0; i < 1000; ++i)
        moves += " mousemove " + std::to_string(100 + i % 500) + " " + std::to_string(100 + i % 300);
    ASSERT_TRUE(runOk(moves));
    ASSERT_TRUE(sendCloseRequest(xWindowOf(window)));
    // Waiting calls (nothing queued yet) come back as None and are not counted.
    int taken = 0;
    for (int call = 0; call < 500; ++call) {
        const PumpResult result = Platform::pumpOneEvent();
        if (result == PumpResult::None) {
            sleepMs(10);
            continue;
        }
        ++taken;
        if (result == PumpResult::Quit) break;
    }
    EXPECT_GE(taken, 1);
    EXPECT_LE(taken, 10) << "events taken before the quit signal";
}

TEST(Pump, WithoutEventsReportsNone) {
    Window window(64, 64, false);
    drain(5);
    EXPECT_EQ(Platform::pumpOneEvent(), PumpResult::None);
}
