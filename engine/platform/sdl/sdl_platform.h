// Internal to the SDL2 backend: what its files share. Nothing outside
// engine/platform/sdl/ includes this.
#pragma once

#include <SDL.h>

// From SDL_syswm.h, which brings in Xlib and its macros (None, Status, ...):
// only the files that look at the native window include it.
struct SDL_SysWMinfo;

namespace Zephra {

class Window;

namespace Platform {
namespace Sdl {

// The surface format a native window was created for. On X11 the GL visual
// is fixed when the native window is created, so a context that wants a
// different format needs a new native window.
struct SurfaceFormat {
    int depthBits = 24;
    int stencilBits = 8;
    int samples = 0;        // 0: no multisample buffer
    bool floatColor = false;
    bool alpha = true;      // 8 alpha bits, dropped when no such visual exists
    bool es = false;        // OpenGL ES 3.0 through EGL instead of desktop GL

    bool operator==(const SurfaceFormat& other) const {
        return depthBits == other.depthBits && stencilBits == other.stencilBits &&
               samples == other.samples && floatColor == other.floatColor &&
               alpha == other.alpha && es == other.es;
    }
    bool operator!=(const SurfaceFormat& other) const { return !(*this == other); }
};

// What Zephra::Window::handle points to.
struct WindowState {
    SDL_Window* window = nullptr;
    bool framed = false;
    SurfaceFormat format;    // the format `window` was created with
    SurfaceFormat requested; // what the engine asked for (format may be a fallback)
};

WindowState& stateOf(const Zephra::Window& window);

// Fills info with the X11 connection and window behind an SDL window. False
// for a null window or when SDL does not run on X11.
bool x11Info(SDL_Window* window, SDL_SysWMinfo& info);

// Brings up SDL's video subsystem once for the process (events filtered,
// screen saver off). False when no display can be opened; SDL_GetError says why.
bool initVideo();

// Whether Escape was pressed since the last call; clears the latch.
bool takeEscapePress();
// Whether the left (or right) button was pressed over one of our windows
// since the last call for that button; clears its latch.
bool takeButtonPress(bool right);

// Sets SDL's GL attributes for format: what the next native window and the
// next context are created with.
void applyGLAttributes(const SurfaceFormat& format);

// Creates the native window for state (title, size, position, style) with
// state.requested, falling back to plainer formats the display lacks, and
// stores it with the format it got. False on failure, SDL_GetError says why;
// state is unchanged then.
bool createNativeWindow(WindowState& state, int width, int height, int x, int y,
                        Uint32 extraFlags);

// Live windows, for the display-mode switch: the most recently created
// framed window, or null.
void registerWindow(WindowState& state);
void unregisterWindow(WindowState& state);
WindowState* newestFramedWindow();
WindowState* newestWindow();

}  // namespace Sdl
}  // namespace Platform
}  // namespace Zephra
