// Browser backend: WebGL 2 contexts, presentation and entry points.
// Implements: a WebGL 2 context (OpenGL ES 3.0) on the page's canvas with the
//   requested depth and stencil buffers, antialiased when samples are asked
//   for; entry-point look-up, shared with the Cg runtime, which answers null
//   for what the context lacks; native handles. Presenting is the browser's:
//   swapBuffers hands control back to the page until its next animation frame
//   (the display's rate, paused while the tab is hidden), or, with swap
//   interval 0, until the page has handled its pending events. For the
//   benchmark it keeps each frame's work time (Module.zephraFrames).
// Lacks: desktop OpenGL (a request for it gets no context); a choice of ES
//   version (WebGL 2 only); a float colour buffer; a sample count (the
//   browser's antialiasing is on or off); a close request from the event
//   pump: closing the tab ends the page outright; new buffers for a canvas
//   (it keeps its first context's: asking for more there gets no context).
#include "platform/gl_context.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <GLES3/gl3.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Cg/cgGL.h"
#include "platform/web/web_platform.h"
#include "platform/window.h"

namespace Zephra {
namespace Platform {

struct GLContext {
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE handle;
};

namespace {

bool paceByAnimationFrame = true;

// Module.zephraFrames, for the benchmark: frames handed to the browser, when
// the first drawn one was (the first pass presents before it draws), and the
// last few hundred frames' work in milliseconds (from the browser's wake-up
// to the next hand-over), asyncify's share of it (the rewind back into the
// program's loop) and the intervals between the animation frames the
// program drew in (what the player sees as the frame rate).
EM_JS(void, noteFrameHandedOver, (), {
    var frames = Module['zephraFrames'];
    if (!frames) {
        frames = Module['zephraFrames'] = { count: 0, firstDrawn: null, wokeAt: null,
                                            work: [], rewind: [], interval: [],
                                            lastFrameTime: null };
    }
    var now = performance.now();
    if (frames.wokeAt !== null) {
        frames.work.push(now - frames.wokeAt);
        if (frames.work.length > 1000) frames.work.shift();
    }
    frames.count++;
    if (frames.count === 2) frames.firstDrawn = now;
});

EM_JS(void, noteResumed, (), {
    var frames = Module['zephraFrames'];
    frames.rewind.push(performance.now() - frames.wokeAt);
    if (frames.rewind.length > 1000) frames.rewind.shift();
});

// The only places the program gives control back to the browser: the page
// draws, handles input and plays sound while the program waits here. The
// program's stack is put back straight from the browser's callback, so the
// frame runs inside the animation frame itself (asyncify's import list in
// cmake/web.cmake names these two).
EM_JS(void, zephraWaitForAnimationFrame, (), {
    Asyncify.handleSleep(function(wakeUp) {
        requestAnimationFrame(function(frameTime) {
            var frames = Module['zephraFrames'];
            if (frames.lastFrameTime !== null) {
                frames.interval.push(frameTime - frames.lastFrameTime);
                if (frames.interval.length > 1000) frames.interval.shift();
            }
            frames.lastFrameTime = frameTime;
            frames.wokeAt = performance.now();
            wakeUp();
        });
    });
});

EM_JS(void, zephraWaitForPendingEvents, (), {
    Asyncify.handleSleep(function(wakeUp) {
        var channel = new MessageChannel();
        channel.port1.onmessage = function() {
            Module['zephraFrames'].wokeAt = performance.now();
            wakeUp();
        };
        channel.port2.postMessage(0);
    });
});

// WebGL has no mapped buffers, which the device's capability check asks for
// (the engine never maps one): they are answered with functions that stop
// the program, rather than emulated by emscripten, whose emulation costs
// every draw and every vertex-array binding a query.
[[noreturn]] void unavailable(const char* name) {
    std::fprintf(stderr, "Error: %s is not in WebGL\n", name);
    std::abort();
}
void* GL_APIENTRY mapBufferRange(GLenum, GLintptr, GLsizeiptr, GLbitfield) {
    unavailable("glMapBufferRange");
}
GLboolean GL_APIENTRY unmapBuffer(GLenum) { unavailable("glUnmapBuffer"); }

void* webglLacks(const char* name) {
    if (std::strcmp(name, "glMapBufferRange") == 0) return reinterpret_cast<void*>(&mapBufferRange);
    if (std::strcmp(name, "glUnmapBuffer") == 0) return reinterpret_cast<void*>(&unmapBuffer);
    return nullptr;
}

}  // namespace

GLContext* createGLContext(Window&, int depthBits, int stencilBits, int samples, bool,
                           ProbeCheck) {
    if (getContextAPI() != ContextAPI::ES) return nullptr;  // a browser has no desktop GL
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    attributes.alpha = EM_FALSE;  // the page is black behind the canvas
    attributes.depth = depthBits > 0;
    attributes.stencil = stencilBits > 0;
    attributes.antialias = samples > 0;
    attributes.preserveDrawingBuffer = EM_FALSE;
    attributes.enableExtensionsByDefault = EM_TRUE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE handle =
        emscripten_webgl_create_context(Web::canvasSelector, &attributes);
    if (handle <= 0) return nullptr;
    // A canvas keeps the buffers of its first context for good: a later
    // context on it that lacks those asked for is none.
    EmscriptenWebGLContextAttributes got;
    if (emscripten_webgl_get_context_attributes(handle, &got) != EMSCRIPTEN_RESULT_SUCCESS ||
        (attributes.depth && !got.depth) || (attributes.stencil && !got.stencil)) {
        emscripten_webgl_destroy_context(handle);
        return nullptr;
    }
    Web::flushHeldDrawing();
    emscripten_webgl_make_context_current(handle);
    // The Cg runtime loads its GL functions through the same loader as the
    // engine, afresh for this context.
    cgGLSetProcAddressResolver(&getGLProcAddress);
    return new GLContext{handle};
}

void makeCurrent(Window&, GLContext* context) {
    Web::flushHeldDrawing();
    emscripten_webgl_make_context_current(context ? context->handle : 0);
}

// The canvas keeps showing the last frame: destroying the context does not
// clear it.
void destroyGLContext(GLContext* context) {
    if (!context) return;
    if (emscripten_webgl_get_current_context() == context->handle) {
        Web::flushHeldDrawing();
        emscripten_webgl_make_context_current(0);
    }
    emscripten_webgl_destroy_context(context->handle);
    delete context;
}

void* getGLProcAddress(const char* name) {
    if (emscripten_webgl_get_current_context() <= 0) return nullptr;
    if (void* function = emscripten_webgl_get_proc_address(name)) return function;
    return webglLacks(name);
}

bool procAddressProvesPresence() { return true; }

// The context's antialias attribute is the browser's multisample chooser.
bool hasPixelFormatChooser() { return true; }

void swapBuffers(Window&) {
    Web::flushHeldDrawing();
    noteFrameHandedOver();
    if (paceByAnimationFrame)
        zephraWaitForAnimationFrame();
    else
        zephraWaitForPendingEvents();
    noteResumed();
}

void setSwapInterval(int interval) { paceByAnimationFrame = interval != 0; }

void* getNativeSurface(const Window&) {
    return const_cast<char*>(Web::canvasSelector);
}

void* getNativeContext(GLContext* context) {
    return context ? reinterpret_cast<void*>(static_cast<std::intptr_t>(context->handle))
                   : nullptr;
}

PumpResult pumpOneEvent() { return PumpResult::None; }

}  // namespace Platform
}  // namespace Zephra
