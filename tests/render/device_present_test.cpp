// What the device's update presents, seen on the X screen, and the quit
// request that ends it.
#include <csignal>
#include <cstdio>

#include "render/render_state.h"
#include "render_fixture.h"

using namespace Zephra;

namespace {

class DevicePresentTest : public RenderTest {};

// How many pixels of the X screen show exactly this colour, as a screenshot
// sees what the device presented.
long screenPixelsOf(const int (&colour)[3]) {
    FILE* shot = popen("import -window root -depth 8 rgb:- 2>/dev/null", "r");
    if (!shot) return -1;
    long count = 0;
    unsigned char rgb[3];
    while (std::fread(rgb, 1, 3, shot) == 3)
        if (rgb[0] == colour[0] && rgb[1] == colour[1] && rgb[2] == colour[2]) ++count;
    pclose(shot);
    return count;
}

}  // namespace

TEST_F(DevicePresentTest, UpdatePresentsUntilTheQuitRequestAndThenPresentsNothing) {
    Window other(64, 64, true);
    Device second(other, 24, 8, 0, 0);
    // Colours that no other window on the shared screen is likely to show.
    const int shown[3] = {17, 99, 201};
    const int hidden[3] = {201, 17, 99};

    // Work off the window's start-up events; each call presents.
    for (int i = 0; i < 50; ++i) {
        clear(Color, shown[0] / 255.0f, shown[1] / 255.0f, shown[2] / 255.0f, 1, 1, 0);
        ASSERT_TRUE(second.update());
    }
    EXPECT_GE(screenPixelsOf(shown), 64 * 64);

    // The process's quit request: the call that takes it returns false and
    // leaves the last presented frame on screen.
    clear(Color, hidden[0] / 255.0f, hidden[1] / 255.0f, hidden[2] / 255.0f, 1, 1, 0);
    std::raise(SIGINT);
    bool running = true;
    for (int i = 0; i < 50 && running; ++i) running = second.update();
    EXPECT_FALSE(running);
    EXPECT_EQ(screenPixelsOf(hidden), 0);
    EXPECT_GE(screenPixelsOf(shown), 64 * 64);
}
