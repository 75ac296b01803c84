// Test aids that drive and inspect the X server as a user would: xdotool,
// xwininfo and a close request like a window manager's.
#pragma once

#include <string>

#include "platform/window.h"

namespace ZephraTest {

// Runs a shell command; its standard output, or "" when it failed.
std::string run(const std::string& command);
bool runOk(const std::string& command);

// The X window behind a Zephra::Window, as xwininfo and xdotool name it.
unsigned long xWindowOf(const Zephra::Window& window);

struct XGeometry {
    bool exists = false;
    bool viewable = false;
    int x = 0, y = 0, width = 0, height = 0;
    std::string name;
};
// What `xwininfo -id` says of an X window.
XGeometry xGeometry(unsigned long xWindow);

// Sends WM_DELETE_WINDOW, as a window manager does for the close box.
bool sendCloseRequest(unsigned long xWindow);

// The ids of top-level windows named exactly `name`, from xwininfo -root -tree.
std::string findWindowNamed(const std::string& name);

void sleepMs(int milliseconds);

}  // namespace ZephraTest
