// A private virtual X server for one test, and the X tools a player's hands
// and eyes are made of: xdotool for the mouse and keys, xwininfo to find
// windows, import for screenshots. The server is private so that windows of
// suites running at the same time never cover the game.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "picture.h"
#include "private_display.h"

using XDisplay = ZephraTest::PrivateDisplay;

// A top-level window as xwininfo lists it.
struct XWindow {
    std::string id;    // e.g. 0x200002
    std::string name;  // the title
    int x = 0, y = 0;  // absolute position of the client area
    int width = 0, height = 0;
};

// Runs a shell command and returns what it printed on stdout.
std::string runCommand(const std::string& command);

// Every window in the tree that has a title.
std::vector<XWindow> listWindows();
std::optional<XWindow> findWindow(const std::string& name);
// Polls until a window with this title exists, or gives up after timeout seconds.
std::optional<XWindow> waitForWindow(const std::string& name, double timeout);
// The same, for a window of this size. Some window systems (Wine's) show a
// window at its outer size first and then shrink it to the client area.
std::optional<XWindow> waitForWindowSized(const std::string& name, int width, int height,
                                          double timeout);

// The screen's pixels inside the rectangle; when ZEPHRA_E2E_SHOTS names a
// folder, the picture is also kept there as <label>.ppm for a person to see.
Picture takeScreenshot(int x, int y, int width, int height, const std::string& label);

void movePointer(int x, int y);
// Gives the window the keyboard focus, as a person's click on it would; some
// window systems (Wine's) read keys only for a window that has it.
void focusWindow(const std::string& id);
// Presses and holds the button or key for a moment, as a person would.
void clickButton(int button);
void pressKey(const std::string& key);
void sleepSeconds(double seconds);
// Polls the condition every 50 ms until it holds (true) or timeout seconds
// have passed (false). A slow machine only makes it take longer.
bool waitUntil(const std::function<bool()>& condition, double timeout);
