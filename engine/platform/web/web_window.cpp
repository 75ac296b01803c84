// Browser backend: Zephra::Window is the page's canvas.
// Implements: the client size becomes the canvas's drawing buffer (the page
//   scales it to fit, see index.html), the window title becomes the page's
//   title, and the page's keyboard and mouse are listened to from the first
//   window on.
// Lacks: a page has one canvas, so every window shares it (the newest sets its
//   size); no position, frame or close box: the browser's tab is the frame.
#include "platform/window.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include "platform/web/web_platform.h"

namespace Zephra {
namespace {

const char* const windowTitle = "Zephra Window";

EM_JS(void, setPageTitle, (const char* title), { document.title = UTF8ToString(title); });

Platform::Web::WindowState& stateOf(const void* handle) {
    return *static_cast<Platform::Web::WindowState*>(const_cast<void*>(handle));
}

}  // namespace

Window::Window(int width, int height, bool framed) {
    auto* state = new Platform::Web::WindowState{width, height, framed};
    handle = state;
    emscripten_set_canvas_element_size(Platform::Web::canvasSelector, width, height);
    setPageTitle(windowTitle);
    Platform::Web::listenToInput();
    Platform::Web::canvasResized();
}

Window::~Window() { delete &stateOf(handle); }

int Window::getWidth() const {
    int width = 0, height = 0;
    emscripten_get_canvas_element_size(Platform::Web::canvasSelector, &width, &height);
    return width;
}

int Window::getHeight() const {
    int width = 0, height = 0;
    emscripten_get_canvas_element_size(Platform::Web::canvasSelector, &width, &height);
    return height;
}

void* Window::getNativeHandle() const { return handle; }

}  // namespace Zephra
