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

// Draws what the renderer holds back, if anything (web_held_drawing.cpp):
// before the canvas is presented or its context changes.
void flushHeldDrawing();

// Starts listening to the page's keyboard and mouse, once for the process.
void listenToInput();
// The program gave the canvas a new size: the pointer's mapping into it is
// worked out again.
void canvasResized();

}  // namespace Web
}  // namespace Platform
}  // namespace Zephra
