// SDL2 backend: polled keyboard and mouse state.
// Implements: the Escape key from SDL's keyboard state (refreshed on each
//   query) or a press latched since the previous query; the mouse buttons
//   from the window system's pointer state at the moment of the call,
//   wherever the pointer is, or a press over our windows latched since the
//   previous query of that button; the cursor from the pointer state.
//   On X11 the pointer is asked of the X server itself (XQueryPointer):
//   SDL's global mouse state is refreshed only by motion over our windows.
// Lacks: keys reach the keyboard state only while one of our windows has the
//   keyboard focus, as on any window system without a global key query; a
//   click shorter than a frame is latched only when it lands on our window.
#include "platform/input.h"

#include "platform/sdl/sdl_platform.h"
#include "platform/window.h"

#include <SDL_syswm.h>

namespace Zephra {
namespace {

// The pointer in root coordinates and the button state, as of now.
Uint32 pointerState(int& rootX, int& rootY) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_Window* any = SDL_GL_GetCurrentWindow();
    if (!any) {
        Platform::Sdl::WindowState* newest = Platform::Sdl::newestWindow();
        any = newest ? newest->window : nullptr;
    }
    if (Platform::Sdl::x11Info(any, info)) {
        Display* display = info.info.x11.display;
        ::Window root = 0, child = 0;
        int winX = 0, winY = 0;
        unsigned int mask = 0;
        if (XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY,
                          &winX, &winY, &mask)) {
            Uint32 buttons = 0;
            if (mask & Button1Mask) buttons |= SDL_BUTTON_LMASK;
            if (mask & Button3Mask) buttons |= SDL_BUTTON_RMASK;
            return buttons;
        }
    }
#endif
    return SDL_GetGlobalMouseState(&rootX, &rootY);
}

}  // namespace

bool isKeyDown(KeyEnum key) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    SDL_PumpEvents();  // the state as of now, not as of the last pump
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    switch (key) {
    case KeyEnum::Escape: {
        const bool pressedSinceLastCall = Platform::Sdl::takeEscapePress();
        return keys[SDL_SCANCODE_ESCAPE] != 0 || pressedSinceLastCall;
    }
    }
    return false;
}

bool isMouseButtonDown(MouseButtonEnum button) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    // Latches the presses that arrived since the previous pump; a click that
    // began and ended between two frames still counts, once.
    SDL_PumpEvents();
    // Asks the window system directly, so a button held outside our windows
    // counts too.
    int x = 0, y = 0;
    const Uint32 buttons = pointerState(x, y);
    switch (button) {
    case MouseButtonEnum::Left: {
        const bool pressedSinceLastCall = Platform::Sdl::takeButtonPress(false);
        return (buttons & SDL_BUTTON_LMASK) != 0 || pressedSinceLastCall;
    }
    case MouseButtonEnum::Right: {
        const bool pressedSinceLastCall = Platform::Sdl::takeButtonPress(true);
        return (buttons & SDL_BUTTON_RMASK) != 0 || pressedSinceLastCall;
    }
    }
    return false;
}

void getCursorPosition(const Window& window, int& x, int& y) {
    int globalX = 0, globalY = 0, originX = 0, originY = 0;
    pointerState(globalX, globalY);
    SDL_GetWindowPosition(Platform::Sdl::stateOf(window).window, &originX, &originY);
    x = globalX - originX;
    y = globalY - originY;
}

}  // namespace Zephra
