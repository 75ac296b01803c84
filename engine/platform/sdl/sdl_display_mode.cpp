// SDL2 backend: the full-screen display-mode switch.
// Implements: the game's window (the most recently created framed one) goes
//   full screen in the display mode of the requested size, closest in depth;
//   the pointer is hidden for good. SDL gives the desktop mode back when the
//   window is destroyed.
// Lacks: a display without a mode of exactly that size keeps its mode and the
//   window stays as it is (not an error); the depth is only a preference.
#include "platform/window.h"

#include "platform/sdl/sdl_platform.h"

namespace Zephra {
namespace {

int bitsPerPixelOf(Uint32 format) {
    // 32-bit modes carry 24 bits of colour; count what a pixel takes up.
    return SDL_BYTESPERPIXEL(format) * 8;
}

// A display mode of exactly width x height, the one nearest in depth.
bool findMode(int display, int width, int height, int bitsPerPixel, SDL_DisplayMode& found) {
    bool any = false;
    const int count = SDL_GetNumDisplayModes(display);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(display, i, &mode) != 0) continue;
        if (mode.w != width || mode.h != height) continue;
        const int distance = SDL_abs(bitsPerPixelOf(mode.format) - bitsPerPixel);
        if (!any || distance < SDL_abs(bitsPerPixelOf(found.format) - bitsPerPixel)) {
            found = mode;  // modes come sorted by refresh rate, highest first
            any = true;
        }
    }
    return any;
}

}  // namespace

void changeDisplayMode(int width, int height, int bitsPerPixel) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    SDL_ShowCursor(SDL_DISABLE);
    Platform::Sdl::WindowState* game = Platform::Sdl::newestFramedWindow();
    if (!game) return;
    const int display = SDL_GetWindowDisplayIndex(game->window);
    SDL_DisplayMode mode;
    if (display < 0 || !findMode(display, width, height, bitsPerPixel, mode)) return;
    if (SDL_SetWindowDisplayMode(game->window, &mode) != 0) return;
    SDL_SetWindowFullscreen(game->window, SDL_WINDOW_FULLSCREEN);
}

}  // namespace Zephra
