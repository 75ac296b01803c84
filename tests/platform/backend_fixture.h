// What the platform contract suite (the *_test.cpp files in this folder)
// needs from the machine a backend runs on: how to see a window on the
// screen, how to act as the user (pointer, buttons, Escape, the close box),
// and how to show the error box where the test can still dismiss it.
//
// Each backend has a folder here (sdl/, win32/, web/) with a fixture that
// implements these functions and a CMakeLists.txt of one
// zephra_add_platform_contract() call; the backend's own tests (what no other
// backend has) sit beside it. Backends whose windows are X windows share the
// X half of a fixture, x_screen_fixture.cpp.
#pragma once

#include <iostream>
#include <memory>
#include <string>

#include "platform/input.h"
#include "platform/window.h"

namespace ZephraTest {

// A window as the screen shows it: the client area's top-left corner in
// screen pixels, its size and title; exists is false once it is gone.
struct ScreenWindow {
    bool exists = false;
    bool viewable = false;
    int x = 0, y = 0, width = 0, height = 0;
    std::string title;
};

// The parts of the contract that not every backend's machine can show.
// Backend::cannot names the reason, printed with the skip.
enum class Need {
    // The window system resizes a window from outside while its program pumps
    // nothing, and the program can see the new size at once.
    ResizeFromOutside,
    // A process can run without any display, as on a Linux console.
    NoDisplay,
    // The multisampled format is found through a temporary context, whose
    // probe (ProbeCheck) can refuse the start-up.
    ProbedMultisampleFormat,
    // The program places its windows: a framed one's frame at (5, 5), a
    // frameless one at the screen's origin.
    PlaceWindow,
    // Several windows at once, each of its own size.
    SeveralWindows,
    // A close box, whose click the program takes as a request to quit.
    CloseRequest,
    // A desktop OpenGL context, with the legacy immediate mode.
    DesktopGL,
    // The error box waits for the user before showErrorBox returns.
    ModalErrorBox,
};

// The error box, shown where this process stays free to find and dismiss it.
class ShownErrorBox {
public:
    virtual ~ShownErrorBox() = default;
    // Whether showErrorBox has returned.
    virtual bool returned() = 0;
    // What it wrote to stderr; complete once it has returned.
    virtual std::string errorOutput() = 0;
};

namespace Backend {

// "" when this backend's machine can show what need names; else why not.
std::string cannot(Need need);

// A name for the window on the screen, for onScreen. Taken again after
// something may have replaced the native window; an old name keeps naming
// the old window, which may be gone.
std::string screenId(const Zephra::Window& window);
ScreenWindow onScreen(const std::string& id);
// Where a framed window's client area lies inside its frame, which the
// window is placed by: (0, 0) where nothing draws a frame.
void frameInset(const Zephra::Window& window, int& left, int& top);

// The user's hands, in screen pixels.
bool movePointer(int x, int y);
bool movePointerThrough(int count, int x0, int y0, int spanX, int spanY);
bool pressButton(Zephra::MouseButtonEnum button);
bool releaseButton(Zephra::MouseButtonEnum button);
bool clickButton(Zephra::MouseButtonEnum button);
bool pressEscape();
bool releaseEscape();
bool tapEscape();
// The keyboard focus to the window, as a click on it gives it.
bool focus(const Zephra::Window& window);
bool resizeFromOutside(const std::string& id, int width, int height);
// The close box, as the window system reports it to the program.
bool requestClose(const std::string& id);

// The error box: shown aside, found by its caption, dismissed with Return.
// withDisplay false runs it where no display can be opened.
std::unique_ptr<ShownErrorBox> showErrorBoxAside(const std::string& caption,
                                                 const std::string& text, bool withDisplay);
std::string findBox(const std::string& caption);
// What the screen shows, for a report when a window is missing.
std::string describeScreen();
bool dismissBox(const std::string& id);

}  // namespace Backend

// For the checks a case leaves out, rather than skipping whole, where the
// backend cannot show need: whether it can; if not, the reason is printed.
inline bool backendCan(Need need) {
    const std::string why = Backend::cannot(need);
    if (!why.empty()) std::cout << "Not checked here: " << why << std::endl;
    return why.empty();
}

// Skips the current case, with the reason, where the backend cannot show need.
#define SKIP_UNLESS_BACKEND_CAN(need)                                              \
    do {                                                                           \
        const std::string why = ::ZephraTest::Backend::cannot(need);               \
        if (!why.empty()) GTEST_SKIP() << why;                                     \
    } while (false)

}  // namespace ZephraTest
