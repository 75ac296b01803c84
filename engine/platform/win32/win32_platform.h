// Internal to the Win32 backend: what its files share. Nothing outside
// engine/platform/win32/ includes this.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace Zephra {

class Window;

namespace Platform {
namespace Win32 {

// What Zephra::Window::handle holds: the window handle itself.
HWND handleOf(const Zephra::Window& window);

// The procedure registered with the window class.
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace Win32
}  // namespace Platform
}  // namespace Zephra
