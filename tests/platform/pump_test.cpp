// The pump: one event per call, the close request as Quit on the call that
// takes it, and pointer traffic that cannot delay the close request.
#include <gtest/gtest.h>

#include "backend_fixture.h"
#include "platform_polling.h"
#include "platform/gl_context.h"
#include "platform/window.h"

using namespace Zephra;
using namespace ZephraTest;
using Platform::PumpResult;

namespace {

// Pumps until Quit, counting the calls that took an event (a call that
// finds nothing yet, while the request is on its way, does not count).
// -1 when no Quit came.
int eventsUntilQuit() {
    int taken = 0;
    bool quit = false;
    waitUntil([&] {
        const PumpResult result = Platform::pumpOneEvent();
        if (result != PumpResult::None) ++taken;
        return quit = result == PumpResult::Quit;
    });
    return quit ? taken : -1;
}

}  // namespace

TEST(Pump, CloseRequestBecomesQuitOnTheCallThatTakesItOnceAndKeepsTheWindow) {
    SKIP_UNLESS_BACKEND_CAN(Need::CloseRequest);
    Window window(800, 600, true);
    drain(5);
    for (int i = 0; i < 20; ++i) EXPECT_NE(Platform::pumpOneEvent(), PumpResult::Quit);

    const std::string id = Backend::screenId(window);
    ASSERT_TRUE(Backend::requestClose(id));
    EXPECT_GT(eventsUntilQuit(), 0) << "no quit after the close request";
    // Taken once: the next calls find nothing more to quit for.
    for (int i = 0; i < 20; ++i) EXPECT_NE(Platform::pumpOneEvent(), PumpResult::Quit);
    EXPECT_TRUE(Backend::onScreen(id).viewable);
    EXPECT_EQ(window.getWidth(), 800);
}

TEST(Pump, PointerMotionDoesNotDelayTheCloseRequest) {
    SKIP_UNLESS_BACKEND_CAN(Need::CloseRequest);
    Window window(800, 600, true);
    drain(5);
    ASSERT_TRUE(Backend::movePointerThrough(1000, 100, 100, 500, 300));
    ASSERT_TRUE(Backend::requestClose(Backend::screenId(window)));
    const int taken = eventsUntilQuit();
    EXPECT_GE(taken, 1) << "no quit after the close request";
    EXPECT_LE(taken, 10) << "events taken before the quit signal";
}

TEST(Pump, WithoutEventsReportsNone) {
    Window window(64, 64, false);
    drain(5);
    EXPECT_EQ(Platform::pumpOneEvent(), PumpResult::None);
}
