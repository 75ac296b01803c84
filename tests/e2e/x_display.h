// What the end-to-end suites take from the test support (tests/support/):
// a private X server, the X tools a player's hands and eyes are made of, and
// waiting for a condition; plus screenshots of the game.
#pragma once

#include <string>

#include "host_command.h"
#include "picture.h"
#include "private_display.h"
#include "wait.h"
#include "x_tools.h"

using XDisplay = ZephraTest::PrivateDisplay;
using ZephraTest::findWindow;
using ZephraTest::focusWindow;
using ZephraTest::listWindows;
using ZephraTest::movePointer;
using ZephraTest::runCommand;
using ZephraTest::sendCloseRequest;
using ZephraTest::waitForWindow;
using ZephraTest::waitForWindowSized;
using ZephraTest::waitUntil;
using ZephraTest::XWindow;

// How long a player's click or key press lasts: long enough to span a slow
// frame, shorter than the splash page's pause.
constexpr double ClickSeconds = 0.2;
constexpr double KeySeconds = 0.1;

// The screen's pixels inside the rectangle; when ZEPHRA_E2E_SHOTS names a
// folder, the picture is also kept there as <label>.ppm for a person to see.
Picture takeScreenshot(int x, int y, int width, int height, const std::string& label);
