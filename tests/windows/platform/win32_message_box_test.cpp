// The error box under Wine: one box captioned "Error" that blocks until a
// user dismisses it, found and closed from the X side.
#include <gtest/gtest.h>

#include <atomic>
#include <sstream>
#include <string>
#include <thread>

#include "platform/message_box.h"
#include "unix_command.h"

using namespace ZephraTest;

namespace {

// The id of the top-level X window titled exactly "Error", or "".
std::string errorBoxId() {
    std::istringstream tree(runUnix("xwininfo -root -tree"));
    for (std::string line; std::getline(tree, line);) {
        if (line.find(" \"Error\": ") == std::string::npos) continue;
        std::istringstream fields(line);
        std::string id;
        fields >> id;
        return id;
    }
    return std::string();
}

}  // namespace

TEST(Win32ErrorBox, BlocksUntilDismissedWithReturn) {
    std::atomic<bool> returned{false};
    std::thread shower([&] {
        Zephra::showErrorBox("Error", "File not found:\ndata/star.png");
        returned = true;
    });
    std::string id;
    for (int i = 0; i < 500 && id.empty(); ++i) {
        sleepMs(20);
        id = errorBoxId();
    }
    EXPECT_FALSE(id.empty()) << "no window titled \"Error\"";
    EXPECT_FALSE(returned) << "the box did not wait for the user";
    runUnixOk("xdotool key --window " + id + " Return");
    for (int i = 0; i < 500 && !returned; ++i) sleepMs(20);
    EXPECT_TRUE(returned) << "the box did not close on Return";
    if (!returned) runUnixOk("wineserver -k");  // the last resort: nothing else ends the box
    shower.join();
}
