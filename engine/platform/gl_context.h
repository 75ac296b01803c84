// OpenGL context creation, presentation and the event pump, as the rendering
// device needs them. Implemented per backend.
#pragma once

namespace Zephra {

class Window;

namespace Platform {

struct GLContext;  // opaque, owned by the backend

// The OpenGL API that contexts made from now on speak: the desktop
// compatibility profile (the default on the desktop), or OpenGL ES 3.0 (the
// only one in the browser, where it is WebGL 2; on the desktop for testing
// that path). On X11 the API is fixed when a window's native window is made,
// so choose it before creating the Window. A backend without ES makes no
// context for an ES request.
enum class ContextAPI { Desktop, ES };
void setContextAPI(ContextAPI api);
ContextAPI getContextAPI();

// A context of getContextAPI() on window: double-buffered RGBA with the
// given depth and stencil bits. samples > 0 asks for a multisampled surface
// and falls back to the plain one when none is offered; floatColor asks for
// a floating-point colour buffer on that path only. May recreate the native
// window behind `window` (same size, place and style) where the window system
// fixes the surface format at window creation. Null when no context can be
// made; the new context is current on return.
// Where the multisampled format is found through a temporary context (WGL),
// probeCheck runs with that context current, before the window is touched:
// false abandons the start-up and gives null.
using ProbeCheck = bool (*)();
GLContext* createGLContext(Window& window, int depthBits, int stencilBits, int samples,
                           bool floatColor, ProbeCheck probeCheck = nullptr);
void makeCurrent(Window& window, GLContext* context);
void destroyGLContext(GLContext* context);

// The entry point for name in the current context, OpenGL 1.1 functions
// included, or null (always null while no context is current). On some
// window systems a non-null stub comes back for any name, so whether the
// context really offers a function is for the caller to tell (GL version,
// extensions), unless procAddressProvesPresence().
void* getGLProcAddress(const char* name);
// Whether getGLProcAddress answers null for every extension function the
// current context lacks (WGL does, GLX does not).
bool procAddressProvesPresence();
// Whether the platform has a multisample pixel-format chooser (the
// counterpart of wglChoosePixelFormatARB).
bool hasPixelFormatChooser();

// Drawing a renderer holds back to merge it with what follows (the ES
// immediate batch, which then draws consecutive quads in one call). A backend
// that sees every GL call made in its contexts (the browser's, where each one
// passes through JavaScript) calls flush whenever *held is nonzero, before
// any call that could change or read what the held drawing depends on, and
// before presenting, switching or destroying a context; flush draws and sets
// *held to 0. Answers whether it does so for the current context: where it
// does not (the desktop backends), the renderer draws at once.
using HeldDrawingFlush = void (*)();
bool guardHeldDrawing(int* held, HeldDrawingFlush flush);

void swapBuffers(Window& window);
// 0 turns vsync off (benchmarks), 1 on; the default is the driver's.
void setSwapInterval(int interval);

// The native drawing surface and context objects, for handle queries.
void* getNativeSurface(const Window& window);
void* getNativeContext(GLContext* context);

enum class PumpResult { None, Quit, Other };
// Takes at most one pending event without waiting and dispatches it.
// Quit is the close request of the window (or of the process).
PumpResult pumpOneEvent();

}  // namespace Platform
}  // namespace Zephra
