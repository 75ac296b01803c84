// Win32 backend: OpenGL contexts through WGL, presentation and entry points.
// Implements: the pixel format from one descriptor (double-buffered RGBA,
//   32 colour bits, the requested depth and stencil bits), chosen by the
//   system; the multisample path, which finds its format through
//   wglChoosePixelFormatARB on a temporary 128 x 128 window and context
//   (the classic choice stands when the chooser finds nothing); contexts made
//   current on the window's own device context; swap and swap interval;
//   entry points through wglGetProcAddress, with opengl32's own exports for
//   the OpenGL 1.1 functions it does not hand out.
// Lacks: OpenGL ES contexts (an ES request makes no context); a window
//   takes one pixel format for its life: a second context on
//   the same window keeps the first one's format. Results of the format and
//   context calls are not checked beyond a context that was not created.
#include "platform/gl_context.h"

#include <GL/gl.h>

#include <cstdint>

#include "platform/win32/win32_platform.h"
#include "platform/window.h"

namespace Zephra {
namespace Platform {

struct GLContext {
    HDC dc;
    HGLRC context;
};

namespace {

// wglChoosePixelFormatARB and its attribute names (WGL_ARB_pixel_format,
// WGL_ARB_multisample, WGL_ARB_pixel_format_float).
using ChoosePixelFormatARB = BOOL(WINAPI*)(HDC, const int*, const FLOAT*, UINT, int*, UINT*);
using SwapIntervalEXT = BOOL(WINAPI*)(int);

enum : int {
    DRAW_TO_WINDOW_ARB = 0x2001,
    ACCELERATION_ARB = 0x2003,
    SUPPORT_OPENGL_ARB = 0x2010,
    DOUBLE_BUFFER_ARB = 0x2011,
    PIXEL_TYPE_ARB = 0x2013,
    COLOR_BITS_ARB = 0x2014,
    ALPHA_BITS_ARB = 0x201B,
    DEPTH_BITS_ARB = 0x2022,
    STENCIL_BITS_ARB = 0x2023,
    FULL_ACCELERATION_ARB = 0x2027,
    TYPE_RGBA_ARB = 0x202B,
    SAMPLE_BUFFERS_ARB = 0x2041,
    SAMPLES_ARB = 0x2042,
    TYPE_RGBA_FLOAT_ARB = 0x21A0,
};

PIXELFORMATDESCRIPTOR descriptorFor(int depthBits, int stencilBits) {
    PIXELFORMATDESCRIPTOR descriptor = {};
    descriptor.nSize = sizeof(descriptor);
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = 32;
    descriptor.cDepthBits = static_cast<BYTE>(depthBits);
    descriptor.cStencilBits = static_cast<BYTE>(stencilBits);
    descriptor.iLayerType = PFD_MAIN_PLANE;
    return descriptor;
}

// Some drivers answer small integers instead of null for a missing name.
bool isRealAddress(PROC address) {
    const auto value = reinterpret_cast<std::intptr_t>(address);
    return value != 0 && value != 1 && value != 2 && value != 3 && value != -1;
}

template <typename Function>
Function wglFunction(const char* name) {
    PROC address = wglGetProcAddress(name);
    if (!isRealAddress(address)) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
}

// The multisampled format with the requested buffers, found with the
// chooser of a temporary context on a temporary window; `format` (the
// classic choice) is kept when none is found. False when the probe check
// refuses the temporary context.
bool refineFormat(int& format, const PIXELFORMATDESCRIPTOR& descriptor, int depthBits,
                  int stencilBits, int samples, bool floatColor, ProbeCheck probeCheck) {
    Zephra::Window probe(128, 128, false);
    HDC dc = GetDC(Win32::handleOf(probe));
    format = ChoosePixelFormat(dc, &descriptor);
    SetPixelFormat(dc, format, &descriptor);
    HGLRC context = wglCreateContext(dc);
    wglMakeCurrent(dc, context);
    bool passed = !probeCheck || probeCheck();
    if (passed) {
        const int attributes[] = {
            DRAW_TO_WINDOW_ARB, 1,
            SUPPORT_OPENGL_ARB, 1,
            ACCELERATION_ARB, FULL_ACCELERATION_ARB,
            COLOR_BITS_ARB, 24,
            ALPHA_BITS_ARB, 8,
            DEPTH_BITS_ARB, depthBits,
            STENCIL_BITS_ARB, stencilBits,
            DOUBLE_BUFFER_ARB, 1,
            SAMPLE_BUFFERS_ARB, 1,
            SAMPLES_ARB, samples,
            PIXEL_TYPE_ARB, floatColor ? TYPE_RGBA_FLOAT_ARB : TYPE_RGBA_ARB,
            0, 0,
        };
        const FLOAT noFloatAttributes[] = {0.0f, 0.0f};
        auto choose = wglFunction<ChoosePixelFormatARB>("wglChoosePixelFormatARB");
        // Taken only when one was found: a driver may write anything into
        // the answer when there is none.
        int chosen = 0;
        UINT count = 0;
        if (choose && choose(dc, attributes, noFloatAttributes, 1, &chosen, &count) && count > 0)
            format = chosen;
    }
    // The temporary context has served its purpose; it goes with its window.
    wglMakeCurrent(nullptr, nullptr);
    if (context) wglDeleteContext(context);
    return passed;
}

}  // namespace

GLContext* createGLContext(Window& window, int depthBits, int stencilBits, int samples,
                           bool floatColor, ProbeCheck probeCheck) {
    if (getContextAPI() == ContextAPI::ES) return nullptr;
    const PIXELFORMATDESCRIPTOR descriptor = descriptorFor(depthBits, stencilBits);
    HWND handle = Win32::handleOf(window);
    int format = 0;
    if (samples > 0) {
        if (!refineFormat(format, descriptor, depthBits, stencilBits, samples, floatColor,
                          probeCheck))
            return nullptr;
    } else {
        format = ChoosePixelFormat(GetDC(handle), &descriptor);
    }
    // The class has CS_OWNDC: this is the window's one device context.
    HDC dc = GetDC(handle);
    SetPixelFormat(dc, format, &descriptor);
    HGLRC context = wglCreateContext(dc);
    if (!context) return nullptr;
    wglMakeCurrent(dc, context);
    return new GLContext{dc, context};
}

void makeCurrent(Window& window, GLContext* context) {
    wglMakeCurrent(GetDC(Win32::handleOf(window)), context ? context->context : nullptr);
}

void destroyGLContext(GLContext* context) {
    if (!context) return;
    wglDeleteContext(context->context);
    wglMakeCurrent(context->dc, nullptr);
    delete context;
}

void* getGLProcAddress(const char* name) {
    if (!wglGetCurrentContext()) return nullptr;
    PROC address = wglGetProcAddress(name);
    if (!isRealAddress(address)) {
        // wglGetProcAddress knows only what lies beyond OpenGL 1.1.
        static HMODULE openGL = GetModuleHandleA("opengl32.dll");
        address = openGL ? GetProcAddress(openGL, name) : nullptr;
    }
    return reinterpret_cast<void*>(address);
}

bool procAddressProvesPresence() { return true; }

// Native GL calls go straight to the driver, unseen: nothing may be held.
bool guardHeldDrawing(int*, HeldDrawingFlush) { return false; }

bool hasPixelFormatChooser() {
    return wglGetCurrentContext() && wglFunction<ChoosePixelFormatARB>("wglChoosePixelFormatARB");
}

void swapBuffers(Window& window) { SwapBuffers(GetDC(Win32::handleOf(window))); }

void setSwapInterval(int interval) {
    if (auto swapInterval = wglFunction<SwapIntervalEXT>("wglSwapIntervalEXT"))
        swapInterval(interval);
}

void* getNativeSurface(const Window& window) { return GetDC(Win32::handleOf(window)); }

void* getNativeContext(GLContext* context) { return context ? context->context : nullptr; }

}  // namespace Platform
}  // namespace Zephra
