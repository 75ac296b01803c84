// The X tools a user's eyes and hands are made of: xwininfo and xdotool to
// find and look at windows, xdotool for the pointer, buttons and keys, and a
// close request as a window manager sends it. Run through host_command.h, so
// a Windows test under Wine uses them on its own X server as a Linux test does.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ZephraTest {

// A window as `xwininfo -id` describes it. x and y are the absolute place of
// the X window, which for our windows is their client area.
struct XWindow {
    std::string id;  // as xwininfo and xdotool take it: "0x200002" or decimal
    std::string name;
    bool exists = false;
    bool viewable = false;
    int x = 0, y = 0;
    int width = 0, height = 0;
};

// What the X server says of the window now; exists is false once it is gone.
XWindow describeWindow(const std::string& id);
// Every window titled exactly name (mapped or not), as the server has them now.
std::vector<XWindow> windowsNamed(const std::string& name);
// Every window with a title, for a report of what is on the screen.
std::vector<XWindow> listWindows();
// The first viewable window titled name (and of this size, when given).
std::optional<XWindow> findWindow(const std::string& name);
std::optional<XWindow> findWindowSized(const std::string& name, int width, int height);
// The same, polled until it shows or timeoutSeconds have passed. Some window
// systems (Wine's) show a window at its outer size first and then shrink it
// to the client area: hence the variant that waits for a size.
std::optional<XWindow> waitForWindow(const std::string& name, double timeoutSeconds);
std::optional<XWindow> waitForWindowSized(const std::string& name, int width, int height,
                                          double timeoutSeconds);

// The user's hands. Buttons are X's: 1 left, 3 right. Keys are X key names
// ("Escape", "Return"). holdSeconds keeps a button or key down for a while,
// as a person's click lasts; 0 presses and releases at once.
bool movePointer(int x, int y);
// Moves the pointer through every point in one go, as a fast hand does.
bool movePointerThrough(const std::vector<std::pair<int, int>>& points);
bool pressButton(int button);
bool releaseButton(int button);
bool clickButton(int button, double holdSeconds);
bool pressKey(const std::string& key);
bool releaseKey(const std::string& key);
bool tapKey(const std::string& key, double holdSeconds);
// A key sent to one window, as to a dialog that has the focus.
bool tapKeyIn(const std::string& id, const std::string& key);
// Gives the window the keyboard focus, as a person's click on it would;
// some window systems (Wine's) read keys only for a window that has it.
bool focusWindow(const std::string& id);
// Resizes the window from outside, as a window manager would.
bool resizeWindow(const std::string& id, int width, int height);
// WM_DELETE_WINDOW, as a window manager sends it for the close box.
bool sendCloseRequest(const std::string& id);

}  // namespace ZephraTest
