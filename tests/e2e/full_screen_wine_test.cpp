// The full-screen program against the windowed one, under Wine on a display
// of 800 x 600 (Xvfb offers one mode, so only there can the switch succeed):
// pouncer.exe asks for 800 x 600 at 32 bits as a temporary full-screen change
// and hides the pointer over its window; pouncer_windowed.exe does neither.
// What the program asked of the display comes from Wine's trace of its
// display-settings calls; whether the pointer shows, from the X server.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game_process.h"
#include "x_display.h"

namespace {

const double StartTimeout = 60.0;

// Pixels of the pointer's picture that are not transparent, as X shows it now.
int pointerPixels() {
    const std::string count =
        runCommand(std::string("python3 ") + ZEPHRA_SOURCE_DIR + "/tests/e2e/cursor_pixels.py");
    return count.empty() ? -1 : std::stoi(count);
}

// Moves the pointer to and fro over the window's client area, as a player
// does, and watches the pointer for a quarter of a second after each move.
// The window sets its pointer when it handles the motion, one message per
// frame: hence several moves.
int mostPointerPixelsWhileMoving(const XWindow& window, int moves) {
    int most = -1;
    for (int i = 0; i < moves; ++i) {
        movePointer(window.x + 300 + (i % 2) * 200, window.y + 250 + (i % 3) * 50);
        waitUntil([&] {
            most = std::max(most, pointerPixels());
            return most > 0;
        }, 0.25);
    }
    return most;
}

struct RunningGame {
    std::unique_ptr<GameProcess> process;
    XWindow window;
};

// Starts program with Wine's display-settings trace on and waits for its
// window and first frame.
void start(RunningGame& game, const std::string& program) {
    movePointer(400, 300);
    game.process = std::make_unique<GameProcess>(
        ZEPHRA_SOURCE_DIR, std::map<std::string, std::string>{{"WINEDEBUG", "-all,trace+system"}},
        program);
    auto found = waitForWindowSized("Zephra Window", 800, 600, StartTimeout);
    ASSERT_TRUE(found) << program << " showed no 800 x 600 window; "
                       << game.process->errorOutput();
    game.window = *found;
}

void quit(RunningGame& game) {
    focusWindow(game.window.id);
    ZephraTest::tapKey("Escape", KeySeconds);
    EXPECT_EQ(game.process->waitForExit(15.0), 0);
}

bool askedForFullScreen800x600x32(const std::string& trace) {
    const size_t request = trace.find("NtUserChangeDisplaySettings flags=FULLSCREEN");
    if (request == std::string::npos) return false;
    const size_t lineEnd = trace.find('\n', trace.find("trace_devmode", request));
    const std::string mode = trace.substr(request, lineEnd - request);
    // Only width, height and depth are requested; the rest is the system's.
    return mode.find("dmFields=BITSPERPEL,PELSWIDTH,PELSHEIGHT dmBitsPerPel=32 dmPelsWidth=800 "
                     "dmPelsHeight=600") != std::string::npos;
}

}  // namespace

TEST(FullScreen, OnlyTheFullScreenProgramSwitchesTheDisplayAndHidesThePointer) {
    XDisplay display("800x600x24");

    RunningGame windowed;
    ASSERT_NO_FATAL_FAILURE(start(windowed, "pouncer_windowed"));
    EXPECT_GT(mostPointerPixelsWhileMoving(windowed.window, 12), 0)
        << "the windowed game hides the pointer";
    quit(windowed);
    const std::string windowedTrace = windowed.process->errorOutput();
    EXPECT_EQ(windowedTrace.find("flags=FULLSCREEN"), std::string::npos);
    windowed.process.reset();

    RunningGame full;
    ASSERT_NO_FATAL_FAILURE(start(full, "pouncer"));
    // The same moves that showed the pointer over the windowed game.
    EXPECT_EQ(mostPointerPixelsWhileMoving(full.window, 12), 0) << "the pointer shows";
    EXPECT_TRUE(full.process->isRunning()) << full.process->errorOutput();
    // The window keeps its size and its frame's place.
    const auto still = findWindow("Zephra Window");
    ASSERT_TRUE(still);
    EXPECT_EQ(still->width, 800);
    EXPECT_EQ(still->x, full.window.x);
    quit(full);
    EXPECT_TRUE(askedForFullScreen800x600x32(full.process->errorOutput()))
        << full.process->errorOutput();
}
