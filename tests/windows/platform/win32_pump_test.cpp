// The pump under Wine: the close box's request becomes Quit on the call that
// takes it, once, and the window stays until its owner destroys it.
#include <gtest/gtest.h>

#include <string>

#include "platform/gl_context.h"
#include "platform/window.h"
#include "../../support/platform_polling.h"
#include "unix_command.h"

using namespace Zephra;
using namespace ZephraTest;
using Platform::PumpResult;

namespace {

bool sendCloseRequest(const std::string& id) {
    return runUnixOk("python3 " ZEPHRA_SOURCE_DIR "/tests/platform/send_close_request.py " + id);
}

}  // namespace

TEST(Win32Pump, CloseRequestBecomesQuitOnceAndKeepsTheWindow) {
    Window window(800, 600, true);
    drain();
    const XWindowInfo x = findZephraWindow(800, 600);
    ASSERT_FALSE(x.id.empty());
    ASSERT_TRUE(sendCloseRequest(x.id));
    int calls = 0;
    bool quit = false;
    for (; calls < 500 && !quit; ++calls) {
        const PumpResult result = Platform::pumpOneEvent();
        quit = result == PumpResult::Quit;
        if (result == PumpResult::None) sleepMs(10);  // still on its way
    }
    EXPECT_TRUE(quit) << "no quit after " << calls << " calls";
    for (int i = 0; i < 20; ++i) EXPECT_NE(Platform::pumpOneEvent(), PumpResult::Quit);
    EXPECT_TRUE(describeWindow(x.id).viewable);
    EXPECT_EQ(window.getWidth(), 800);
}

TEST(Win32Pump, WithoutMessagesReportsNone) {
    Window window(64, 64, false);
    drain();
    EXPECT_EQ(Platform::pumpOneEvent(), PumpResult::None);
}
