// SDL2 backend: Zephra::Window and the native window behind it.
// Implements: title, client size, position and style (framed: caption and
//   close box at (5, 5); frameless at (0, 0); never resizable), shown, raised
//   and focused at creation; several windows at once; the surface format the
//   native window is created for, with fallbacks to plainer formats.
//   The client size is asked of the X server on every call.
// Lacks: the position is a request to the window manager, which may place a
//   framed window elsewhere; without a display the constructor throws.
#include "platform/window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gl_context.h"
#include "platform/sdl/sdl_platform.h"
#include "utils/exceptions.h"

#include <SDL_syswm.h>

namespace Zephra {
namespace Platform {
namespace Sdl {
namespace {

const char* const windowTitle = "Zephra Window";
const char* const stateKey = "Zephra::Window";  // SDL window data naming its state

std::vector<WindowState*>& liveWindows() {
    static std::vector<WindowState*> windows;  // oldest first
    return windows;
}

// The formats to try for a request, best first: as asked, then without the
// multisample and float buffers, then also without destination alpha.
std::vector<SurfaceFormat> formatsToTry(const SurfaceFormat& requested) {
    std::vector<SurfaceFormat> formats{requested};
    SurfaceFormat plain = requested;
    plain.samples = 0;
    plain.floatColor = false;
    if (plain != requested) formats.push_back(plain);
    if (plain.alpha) {
        plain.alpha = false;
        formats.push_back(plain);
    }
    return formats;
}

}  // namespace

WindowState& stateOf(const Zephra::Window& window) {
    auto* native = static_cast<SDL_Window*>(window.getNativeHandle());
    return *static_cast<WindowState*>(SDL_GetWindowData(native, stateKey));
}

bool x11Info(SDL_Window* window, SDL_SysWMinfo& info) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_VERSION(&info.version);
    return window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11;
#else
    (void)window;
    (void)info;
    return false;
#endif
}

void applyGLAttributes(const SurfaceFormat& format) {
    SDL_GL_ResetAttributes();
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, format.alpha ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, format.depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, format.stencilBits);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, format.samples > 0 ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, format.samples > 0 ? format.samples : 0);
    SDL_GL_SetAttribute(SDL_GL_FLOATBUFFERS, format.floatColor ? 1 : 0);
    if (format.es) {
        // ES 3.0 through the ES library and EGL, as the browser's WebGL 2 is,
        // not through GLX's ES profile. SDL reads the hint when it loads the
        // GL library, that is when the first GL window of the process opens.
        SDL_SetHint(SDL_HINT_OPENGL_ES_DRIVER, "1");
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
        return;
    }
    // The engine draws in immediate mode: a compatibility context, never core.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
}

bool createNativeWindow(WindowState& state, int width, int height, int x, int y,
                        Uint32 extraFlags) {
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN | extraFlags;
    if (!state.framed) flags |= SDL_WINDOW_BORDERLESS;
    std::string firstError;
    for (const SurfaceFormat& format : formatsToTry(state.requested)) {
        applyGLAttributes(format);
        SDL_Window* window = SDL_CreateWindow(windowTitle, x, y, width, height, flags);
        if (window) {
            SDL_SetWindowData(window, stateKey, &state);
            state.window = window;
            state.format = format;
            SDL_RaiseWindow(window);
            SDL_SetWindowInputFocus(window);
            return true;
        }
        if (firstError.empty()) firstError = SDL_GetError();
    }
    SDL_SetError("%s", firstError.c_str());
    return false;
}

void registerWindow(WindowState& state) { liveWindows().push_back(&state); }

void unregisterWindow(WindowState& state) {
    auto& windows = liveWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), &state), windows.end());
}

WindowState* newestFramedWindow() {
    auto& windows = liveWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if ((*it)->framed) return *it;
    return nullptr;
}

WindowState* newestWindow() {
    auto& windows = liveWindows();
    return windows.empty() ? nullptr : windows.back();
}

}  // namespace Sdl
}  // namespace Platform

using Platform::Sdl::WindowState;

Window::Window(int width, int height, bool framed) : handle(nullptr) {
    if (!Platform::Sdl::initVideo())
        throw Exceptions::Exception(std::string("Cannot open a window: ") + SDL_GetError());
    auto* state = new WindowState;
    state->framed = framed;
    state->requested.es = Platform::getContextAPI() == Platform::ContextAPI::ES;
    const int position = framed ? 5 : 0;
    if (!Platform::Sdl::createNativeWindow(*state, width, height, position, position, 0)) {
        std::string error = SDL_GetError();
        delete state;
        throw Exceptions::Exception("Cannot open a window: " + error);
    }
    Platform::Sdl::registerWindow(*state);
    handle = state;
}

Window::~Window() {
    auto* state = static_cast<WindowState*>(handle);
    Platform::Sdl::unregisterWindow(*state);
    SDL_DestroyWindow(state->window);
    delete state;
}

namespace {

// The client size as the window system has it now. SDL's own record follows
// the window system only as fast as its events are pumped, and the engine's
// pump takes one event per frame; on X11 the server is asked directly.
void clientSize(const WindowState& state, int& width, int& height) {
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    XWindowAttributes attributes;
    if (Platform::Sdl::x11Info(state.window, info) &&
        XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes)) {
        width = attributes.width;
        height = attributes.height;
        return;
    }
#endif
    SDL_GetWindowSize(state.window, &width, &height);
}

}  // namespace

int Window::getWidth() const {
    int width = 0, height = 0;
    clientSize(*static_cast<WindowState*>(handle), width, height);
    return width;
}

int Window::getHeight() const {
    int width = 0, height = 0;
    clientSize(*static_cast<WindowState*>(handle), width, height);
    return height;
}

// The SDL_Window; it changes when a context needs a new surface format.
void* Window::getNativeHandle() const { return static_cast<WindowState*>(handle)->window; }

}  // namespace Zephra
