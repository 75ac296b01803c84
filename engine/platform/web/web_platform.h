// Internal to the browser backend: what its files share. Nothing outside
// engine/platform/web/ includes this.
#pragma once

namespace Zephra {
namespace Platform {
namespace Web {

// The page's one canvas: every Zephra::Window draws into it.
constexpr const char* canvasSelector = "#canvas";

// What Zephra::Window::handle points to.
struct WindowState {
    int width = 0;   // the canvas's drawing buffer, in pixels
    int height = 0;
    bool framed = false;
};

// Starts listening to the page's keyboard and mouse, once for the process.
void listenToInput();

}  // namespace Web
}  // namespace Platform
}  // namespace Zephra
