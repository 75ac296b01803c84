// SDL2 backend: polled keyboard and mouse state.
// Implements: the Escape key from SDL's keyboard state (refreshed on each
//   query), the mouse buttons and the cursor from the window system's pointer
//   state at the moment of the call, wherever the pointer is.
// Lacks: keys reach the keyboard state only while one of our windows has the
//   keyboard focus, as on any window system without a global key query.
#include "platform/input.h"

#include "platform/sdl/sdl_platform.h"
#include "platform/window.h"

namespace Zephra {

bool isKeyDown(KeyEnum key) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    SDL_PumpEvents();  // the state as of now, not as of the last pump
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    switch (key) {
    case KeyEnum::Escape:
        return keys[SDL_SCANCODE_ESCAPE] != 0;
    }
    return false;
}

bool isMouseButtonDown(MouseButtonEnum button) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    // Asks the window system directly, so a button pressed outside our
    // windows counts too.
    const Uint32 buttons = SDL_GetGlobalMouseState(nullptr, nullptr);
    switch (button) {
    case MouseButtonEnum::Left:
        return (buttons & SDL_BUTTON_LMASK) != 0;
    case MouseButtonEnum::Right:
        return (buttons & SDL_BUTTON_RMASK) != 0;
    }
    return false;
}

void getCursorPosition(const Window& window, int& x, int& y) {
    int globalX = 0, globalY = 0, originX = 0, originY = 0;
    SDL_GetGlobalMouseState(&globalX, &globalY);
    SDL_GetWindowPosition(Platform::Sdl::stateOf(window).window, &originX, &originY);
    x = globalX - originX;
    y = globalY - originY;
}

}  // namespace Zephra
