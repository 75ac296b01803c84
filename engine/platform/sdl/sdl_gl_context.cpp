// SDL2 backend: OpenGL contexts, presentation and entry points.
// Implements: compatibility-profile contexts (immediate mode works), or
//   OpenGL ES 3.0 contexts through EGL when ES is chosen, on a
//   double-buffered RGBA8 surface with the requested depth, stencil and
//   multisample buffers, falling back to a plain surface when the display has
//   no such format; the float colour buffer on the multisample path; swap and
//   swap interval; entry-point look-up; native handles.
// Lacks: no choice of desktop GL version (the driver's highest compatibility
//   version); ES and desktop windows at once (SDL loads one GL library for
//   all windows: the API of the first GL window of the process, or of the
//   first after all were closed, holds until they are all closed again).
//
// Surface format: on X11 the GL visual of a window is fixed when the native
// window is created, and the engine creates its Window before the device says
// which format it wants. Windows start with the common format (depth 24,
// stencil 8, no multisample); createGLContext replaces the native window
// behind the same Zephra::Window (same title, size, position and style) when
// the request differs. Window::getNativeHandle then returns the new one.
#include "platform/gl_context.h"

#include "platform/sdl/sdl_platform.h"
#include "platform/window.h"

#include <SDL_syswm.h>

#include <cstdint>

namespace Zephra {
namespace Platform {

struct GLContext {
    SDL_GLContext context;
};

namespace {

using Sdl::SurfaceFormat;
using Sdl::WindowState;

// Replaces state's native window with one made for state.requested. Keeps
// the old one (and reports false) when no new one can be made.
bool recreateNativeWindow(WindowState& state) {
    SDL_Window* old = state.window;
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetWindowPosition(old, &x, &y);
    SDL_GetWindowSize(old, &width, &height);
    const Uint32 keep = SDL_GetWindowFlags(old) & SDL_WINDOW_FULLSCREEN;
    const SurfaceFormat oldFormat = state.format;
    if (!Sdl::createNativeWindow(state, width, height, x, y, keep)) {
        state.window = old;
        state.format = oldFormat;
        return false;
    }
    SDL_DestroyWindow(old);
    return true;
}

}  // namespace

// The multisampled format is asked of the window system directly: no
// temporary context, so probeCheck is never called.
GLContext* createGLContext(Window& window, int depthBits, int stencilBits, int samples,
                           bool floatColor, ProbeCheck) {
    WindowState& state = Sdl::stateOf(window);
    SurfaceFormat wanted;
    wanted.depthBits = depthBits;
    wanted.stencilBits = stencilBits;
    wanted.samples = samples > 0 ? samples : 0;
    wanted.floatColor = samples > 0 && floatColor;  // only multisampled formats have it
    wanted.es = getContextAPI() == ContextAPI::ES;
    if (wanted != state.requested) {
        const SurfaceFormat previous = state.requested;
        state.requested = wanted;
        if (!recreateNativeWindow(state)) state.requested = previous;
    }
    // Contexts take their format from the attributes, which must match the
    // visual the window was created with.
    Sdl::applyGLAttributes(state.format);
    SDL_GLContext context = SDL_GL_CreateContext(state.window);
    if (!context && state.format.samples > 0) {
        state.requested.samples = 0;
        state.requested.floatColor = false;
        if (recreateNativeWindow(state)) {
            Sdl::applyGLAttributes(state.format);
            context = SDL_GL_CreateContext(state.window);
        }
    }
    if (!context) return nullptr;
    return new GLContext{context};
}

void makeCurrent(Window& window, GLContext* context) {
    SDL_GL_MakeCurrent(Sdl::stateOf(window).window, context ? context->context : nullptr);
}

void destroyGLContext(GLContext* context) {
    if (!context) return;
    if (SDL_GL_GetCurrentContext() == context->context)
        SDL_GL_MakeCurrent(SDL_GL_GetCurrentWindow(), nullptr);
    SDL_GL_DeleteContext(context->context);
    delete context;
}

void* getGLProcAddress(const char* name) {
    // Without a current context there is nothing to call (GLX would still
    // hand out a stub).
    if (!SDL_GL_GetCurrentContext()) return nullptr;
    return SDL_GL_GetProcAddress(name);
}

bool procAddressProvesPresence() { return false; }

// Native GL calls go straight to the driver, unseen: nothing may be held.
bool guardHeldDrawing(int*, HeldDrawingFlush) { return false; }

bool hasPixelFormatChooser() { return true; }

void swapBuffers(Window& window) { SDL_GL_SwapWindow(Sdl::stateOf(window).window); }

void setSwapInterval(int interval) { SDL_GL_SetSwapInterval(interval); }

void* getNativeSurface(const Window& window) {
    SDL_Window* native = Sdl::stateOf(window).window;
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    if (Sdl::x11Info(native, info))
        return reinterpret_cast<void*>(static_cast<std::uintptr_t>(info.info.x11.window));
#endif
    return native;
}

void* getNativeContext(GLContext* context) { return context ? context->context : nullptr; }

}  // namespace Platform
}  // namespace Zephra
