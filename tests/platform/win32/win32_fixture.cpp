// The Win32 backend under Wine: Wine shows each window as an X window on
// the suite's own X server, and the error box runs on a thread of its own
// (a message box blocks the thread that shows it until the user answers).
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <io.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

#include "backend_fixture.h"
#include "host_command.h"
#include "platform/message_box.h"
#include "x_tools.h"

namespace ZephraTest {
namespace {

HWND handleOf(const Zephra::Window& window) { return static_cast<HWND>(window.getNativeHandle()); }

// The box on a thread of this process, with stderr sent to a file while it
// is up; the thread ends when the user dismisses the box.
class ThreadBox : public ShownErrorBox {
public:
    ThreadBox(const std::string& caption, const std::string& text)
        : errPath("zephra_error_box_stderr_" + std::to_string(GetCurrentProcessId()) + ".txt") {
        std::fflush(stderr);
        savedStderr = _dup(2);
        std::FILE* file = std::fopen(errPath.c_str(), "wb");
        _dup2(_fileno(file), 2);
        std::fclose(file);
        shower = std::thread([this, caption, text] {
            Zephra::showErrorBox(caption, text);
            done = true;
        });
    }
    ~ThreadBox() override {
        // The last resort: nothing else ends a box that nobody dismisses.
        if (!done) runOk("wineserver -k");
        shower.join();
        restoreStderr();
        std::remove(errPath.c_str());
    }

    bool returned() override { return done; }

    std::string errorOutput() override {
        if (done) restoreStderr();
        std::ifstream in(errPath, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    void restoreStderr() {
        if (savedStderr < 0) return;
        std::fflush(stderr);
        _dup2(savedStderr, 2);
        _close(savedStderr);
        savedStderr = -1;
    }

    std::string errPath;
    int savedStderr = -1;
    std::atomic<bool> done{false};
    std::thread shower;
};

}  // namespace

namespace Backend {

std::string cannot(Need need) {
    switch (need) {
    case Need::ResizeFromOutside:
        return "a Win32 window takes a new size from outside only through its own thread's "
               "messages (under Wine, when the X11 driver takes the X server's notice), so "
               "nothing resizes it while the program pumps nothing";
    case Need::NoDisplay:
        return "a Windows program always has a desktop to show a box on: there is no "
               "run without a display";
    case Need::ProbedMultisampleFormat:
    case Need::PlaceWindow:
    case Need::SeveralWindows:
    case Need::CloseRequest:
    case Need::DesktopGL:
    case Need::ModalErrorBox:
        return "";
    }
    return "unknown need";
}

std::string screenId(const Zephra::Window& window) {
    // Wine's X11 driver keeps the X window of each top-level window as a
    // window property.
    HWND hwnd = handleOf(window);
    const auto xWindow = reinterpret_cast<std::uintptr_t>(GetPropA(hwnd, "__wine_x11_whole_window"));
    if (xWindow) return std::to_string(xWindow);
    // Not yet made: the viewable window of our title and client size.
    RECT client = {};
    GetClientRect(hwnd, &client);
    const auto found = findWindowSized("Zephra Window", client.right, client.bottom);
    return found ? found->id : std::string("0");
}

void frameInset(const Zephra::Window& window, int& left, int& top) {
    HWND hwnd = handleOf(window);
    RECT frame = {};
    GetWindowRect(hwnd, &frame);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    left = origin.x - frame.left;
    top = origin.y - frame.top;
}

std::unique_ptr<ShownErrorBox> showErrorBoxAside(const std::string& caption,
                                                 const std::string& text, bool) {
    return std::make_unique<ThreadBox>(caption, text);
}

}  // namespace Backend
}  // namespace ZephraTest
