// Win32 backend: polled keyboard and mouse state.
// Implements: Escape and the two mouse buttons from the asynchronous key
//   state, where any non-zero answer counts: down now, or pressed since the
//   previous query (so a tap between two frames counts once); the cursor in
//   client pixels of the window, wherever it is on the screen.
// Lacks: the "pressed since" bit is shared by every caller in the process;
//   the button numbers are the logical ones (swapped buttons follow the
//   user's setting).
#include "platform/input.h"

#include "platform/win32/win32_platform.h"
#include "platform/window.h"

namespace Zephra {

bool isKeyDown(KeyEnum key) {
    switch (key) {
    case KeyEnum::Escape:
        return GetAsyncKeyState(VK_ESCAPE) != 0;
    }
    return false;
}

bool isMouseButtonDown(MouseButtonEnum button) {
    switch (button) {
    case MouseButtonEnum::Left:
        return GetAsyncKeyState(VK_LBUTTON) != 0;
    case MouseButtonEnum::Right:
        return GetAsyncKeyState(VK_RBUTTON) != 0;
    }
    return false;
}

void getCursorPosition(const Window& window, int& x, int& y) {
    POINT cursor = {};
    GetCursorPos(&cursor);
    ScreenToClient(Platform::Win32::handleOf(window), &cursor);
    x = cursor.x;
    y = cursor.y;
}

}  // namespace Zephra
