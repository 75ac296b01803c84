// What the device's update presents, seen on the X screen under Wine, and
// the window's close request, which ends the updates without presenting.
#include <string>

#include "render/render_state.h"
#include "render_fixture.h"
#include "host_command.h"
#include "wait.h"
#include "x_tools.h"

using namespace Zephra;
using namespace ZephraTest;

namespace {

class DevicePresentTest : public RenderTest {};

struct Colour {
    int r, g, b;
};

// The colour drawn in pass `pass` after the close request: a different one
// each pass, none of them anywhere else on the screen.
Colour passColour(int pass) { return {17, 99 + pass / 200, 20 + pass % 200}; }

// How many pixels of the X screen show exactly this colour.
long screenPixelsOf(const Colour& colour) {
    const std::string shot = runCommand("import -window root -depth 8 rgb:-");
    long count = 0;
    for (size_t i = 0; i + 2 < shot.size(); i += 3) {
        const auto* rgb = reinterpret_cast<const unsigned char*>(&shot[i]);
        if (rgb[0] == colour.r && rgb[1] == colour.g && rgb[2] == colour.b) ++count;
    }
    return count;
}

void clearTo(const Colour& colour) {
    clear(Color, colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f, 1, 1, 0);
}

}  // namespace

TEST_F(DevicePresentTest, CloseRequestEndsTheUpdatesWithoutPresentingTheLastFrame) {
    Window other(64, 64, true);
    Device second(other, 24, 8, 0, 0);
    const Colour first = {201, 17, 99};
    // Work off the window's start-up messages; each call presents.
    for (int i = 0; i < 50; ++i) {
        clearTo(first);
        ASSERT_TRUE(second.update());
    }
    EXPECT_GE(screenPixelsOf(first), 64 * 64);

    // The close box, as a window manager sends it to the X window.
    const auto x = findWindowSized("Zephra Window", 64, 64);
    ASSERT_TRUE(x);
    ASSERT_TRUE(sendCloseRequest(x->id));
    // The request arrives some passes later; every pass until then presents.
    int pass = 0;
    bool running = true;
    waitUntil([&] {
        clearTo(passColour(pass++));
        running = second.update();
        return !running;
    });
    ASSERT_FALSE(running) << "the close request never ended the updates";
    const int last = pass - 1;
    ASSERT_GE(last, 1);
    EXPECT_EQ(screenPixelsOf(passColour(last)), 0) << "the pass that took the quit presented";
    EXPECT_GE(screenPixelsOf(passColour(last - 1)), 64 * 64);
    // The window is still there until its owner destroys it.
    EXPECT_TRUE(describeWindow(x->id).viewable);
    EXPECT_EQ(other.getWidth(), 64);
}
