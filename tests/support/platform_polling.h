// Waiting on the platform layer: the window system delivers input and window
// events when it gets to them, so a test pumps while it waits instead of
// expecting a state at once.
#pragma once

#include "platform/gl_context.h"
#include "platform/input.h"
#include "platform/window.h"
#include "wait.h"

namespace ZephraTest {

// The condition, asked after one pump each time: for waitUntil, so that
// events reach the backend while the test waits.
template <typename Condition>
auto pumping(Condition condition) {
    return [condition]() mutable {
        Zephra::Platform::pumpOneEvent();
        return condition();
    };
}

// Works off whatever is queued (window mapping, focus, exposure) until the
// queue has been empty for quietPolls polls in a row, 20 ms apart.
inline void drain(int quietPolls = 10) {
    int idle = 0;
    waitUntil([&] {
        bool any = false;
        while (Zephra::Platform::pumpOneEvent() != Zephra::Platform::PumpResult::None) any = true;
        idle = any ? 0 : idle + 1;
        return idle >= quietPolls;
    }, 60.0);
}

// Whether the cursor is at these client pixels of window now.
inline bool cursorAt(const Zephra::Window& window, int wantX, int wantY) {
    int x = 0, y = 0;
    Zephra::getCursorPosition(window, x, y);
    return x == wantX && y == wantY;
}

}  // namespace ZephraTest
