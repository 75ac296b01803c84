// Win32 backend: Zephra::Window and its window procedure.
// Implements: the class "Zephra" (registered on every construction, the
//   result ignored, so a second window reuses the existing class) with the
//   program's icon resource 1 where it has one; framed
//   (caption, system menu, close box) at (5, 5) or frameless at (0, 0), never
//   resizable, the client area of the requested size; shown, brought to the
//   foreground and focused; the client size from a fresh GetClientRect.
//   The procedure swallows activation, turns the close request into the
//   quit message without destroying the window, and refuses the screen saver
//   and monitor power-down.
// Lacks: a window that cannot be created is reported by throwing; nothing
//   else here is checked (class registration, showing, focus).
#include "platform/window.h"

#include <string>

#include "platform/win32/win32_platform.h"
#include "utils/exceptions.h"

namespace Zephra {
namespace Platform {
namespace Win32 {
namespace {

const char* const className = "Zephra";
const char* const windowTitle = "Zephra Window";

const DWORD framedStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
const DWORD framelessStyle = WS_POPUP;
// Added only when creating: the frame computation leaves them out.
const DWORD clipStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const DWORD extendedStyle = WS_EX_APPWINDOW;

void registerClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = &windowProc;
    windowClass.hInstance = instance;
    // The program's own icon (resource 1: the game's cat) in the caption and
    // the taskbar; the stock one for a program that carries none.
    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hIcon = icon ? icon : LoadIconA(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    // Fails harmlessly while the class exists from an earlier window.
    RegisterClassExA(&windowClass);
}

std::string lastErrorText() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(code);
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

}  // namespace

HWND handleOf(const Zephra::Window& window) {
    return static_cast<HWND>(window.getNativeHandle());
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        return 0;
    case WM_CLOSE:
        // The game leaves its loop and destroys the window itself.
        PostQuitMessage(0);
        return 0;
    case WM_SYSCOMMAND:
        // Compared whole: only these two commands are refused.
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER) return 0;
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace Win32
}  // namespace Platform

Window::Window(int width, int height, bool framed) : handle(nullptr) {
    using namespace Platform::Win32;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    registerClass(instance);
    const DWORD style = framed ? framedStyle : framelessStyle;
    const int position = framed ? 5 : 0;
    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    HWND window = CreateWindowExA(extendedStyle, className, windowTitle, style | clipStyle,
                                  position, position, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    // Without a window every later call would quietly fall back to the
    // whole screen's device context; say what went wrong instead.
    if (!window) throw Exceptions::Exception("Cannot open a window: " + lastErrorText());
    handle = window;
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    SetForegroundWindow(window);
    SetFocus(window);
}

Window::~Window() { DestroyWindow(static_cast<HWND>(handle)); }

int Window::getWidth() const {
    RECT client = {};
    GetClientRect(static_cast<HWND>(handle), &client);
    return client.right - client.left;
}

int Window::getHeight() const {
    RECT client = {};
    GetClientRect(static_cast<HWND>(handle), &client);
    return client.bottom - client.top;
}

// The HWND.
void* Window::getNativeHandle() const { return handle; }

}  // namespace Zephra
