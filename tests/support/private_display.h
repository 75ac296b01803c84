// A private virtual X server for one test process, so that windows, focus
// changes and pointer moves of suites running at the same time never reach
// the windows a test looks at.
#pragma once

#include <optional>
#include <string>

namespace ZephraTest {

// Starts Xvfb on a display number it picks itself and points DISPLAY at it
// for this process and everything it starts. The server ends with this object,
// and at the latest with the process that started it (even one that crashes).
class PrivateDisplay {
public:
    // screen as Xvfb takes it, WIDTHxHEIGHTxDEPTH; the server offers that
    // one display mode only.
    explicit PrivateDisplay(const std::string& screen = "1024x768x24");
    ~PrivateDisplay();
    PrivateDisplay(const PrivateDisplay&) = delete;
    PrivateDisplay& operator=(const PrivateDisplay&) = delete;

private:
    int pid = -1;
    std::string display;
    std::optional<std::string> previous;
};

}  // namespace ZephraTest
