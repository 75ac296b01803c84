// For the suites that run under Wine: commands of the Linux host (xdotool,
// xwininfo, import, python3) run from inside the Windows test program, on the
// X server the program itself draws on.
#pragma once

#include <string>

namespace ZephraTest {

// Runs command with /bin/sh and returns its standard output once it has
// finished, or "" when it failed or did not finish within timeoutSeconds.
// Wine starts a Unix program but gives nothing to wait on, so the command
// leaves a marker file when done. No double quotes in command.
std::string runUnix(const std::string& command, double timeoutSeconds = 30.0);
bool runUnixOk(const std::string& command, double timeoutSeconds = 30.0);

void sleepMs(int milliseconds);

// A titled top-level X window as `xwininfo -root -tree` lists it; x and y
// are the absolute place of its client area.
struct XWindowInfo {
    std::string id;
    int x = 0, y = 0, width = 0, height = 0;
    bool viewable = false;
};

// The mapped window titled "Zephra Window" with this client size, or one
// with an empty id.
XWindowInfo findZephraWindow(int width, int height);
// What xwininfo says of the window now.
XWindowInfo describeWindow(const std::string& id);

}  // namespace ZephraTest
