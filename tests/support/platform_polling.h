// Waiting on the platform layer in tests: the window system delivers input
// and window events when it gets to them, so tests pump and poll instead of
// expecting a state at once. Shared by the SDL and the Win32 suites.
#pragma once

#include <chrono>
#include <thread>

#include "platform/gl_context.h"
#include "platform/input.h"
#include "platform/window.h"

namespace ZephraTest {

// Pumps and polls the condition for up to five seconds (a loaded machine
// under the sanitizers, or Wine, is slow to deliver).
template <typename Condition>
bool eventually(Condition condition) {
    for (int i = 0; i < 250; ++i) {
        Zephra::Platform::pumpOneEvent();
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

// Works off whatever is queued (window mapping, focus, exposure) until the
// queue has stayed empty for quietPolls polls in a row.
inline void drain(int quietPolls = 10) {
    for (int idle = 0; idle < quietPolls;) {
        if (Zephra::Platform::pumpOneEvent() == Zephra::Platform::PumpResult::None) {
            ++idle;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        } else {
            idle = 0;
        }
    }
}

// Whether the cursor is at these client pixels of window now.
inline bool cursorAt(const Zephra::Window& window, int wantX, int wantY) {
    int x = 0, y = 0;
    Zephra::getCursorPosition(window, x, y);
    return x == wantX && y == wantY;
}

}  // namespace ZephraTest
