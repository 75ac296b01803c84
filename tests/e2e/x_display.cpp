#include "x_display.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

std::string runCommand(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

namespace {

// One line of `xwininfo -root -tree` for a titled window, such as
//      0x200002 "Zephra Window": ("a" "b")  800x600+5+5  +5+5
// whose last field is the absolute position of the client area.
std::optional<XWindow> parseTreeLine(const std::string& text) {
    std::istringstream fields(text);
    XWindow window;
    if (!(fields >> window.id) || window.id.rfind("0x", 0) != 0) return std::nullopt;
    const size_t open = text.find('"');
    const size_t close = text.find("\":", open == std::string::npos ? 0 : open + 1);
    if (open == std::string::npos || close == std::string::npos) return std::nullopt;
    window.name = text.substr(open + 1, close - open - 1);

    std::istringstream tail(text.substr(close + 2));
    std::string field, geometry, position;
    while (tail >> field) {
        geometry = position;
        position = field;
    }
    if (std::sscanf(geometry.c_str(), "%dx%d", &window.width, &window.height) != 2)
        return std::nullopt;
    // "+5+5", "+-5+-5" or "-5-5": an optional plus, then a signed number.
    const char* at = position.c_str();
    char* end = nullptr;
    if (*at == '+') ++at;
    window.x = static_cast<int>(std::strtol(at, &end, 10));
    if (end == at) return std::nullopt;
    at = end;
    if (*at == '+') ++at;
    window.y = static_cast<int>(std::strtol(at, &end, 10));
    if (end == at || *end != '\0') return std::nullopt;
    return window;
}

}  // namespace

std::vector<XWindow> listWindows() {
    std::vector<XWindow> windows;
    std::istringstream tree(runCommand("xwininfo -root -tree 2>/dev/null"));
    for (std::string text; std::getline(tree, text);)
        if (std::optional<XWindow> window = parseTreeLine(text)) windows.push_back(*window);
    return windows;
}

std::optional<XWindow> findWindow(const std::string& name) {
    for (const XWindow& window : listWindows())
        if (window.name == name) return window;
    return std::nullopt;
}

std::optional<XWindow> waitForWindow(const std::string& name, double timeout) {
    std::optional<XWindow> window;
    waitUntil([&] { return bool(window = findWindow(name)); }, timeout);
    return window;
}

bool waitUntil(const std::function<bool()>& condition, double timeout) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        sleepSeconds(0.05);
    }
}

std::optional<XWindow> waitForWindowSized(const std::string& name, int width, int height,
                                          double timeout) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    while (std::chrono::steady_clock::now() < end) {
        for (const XWindow& window : listWindows())
            if (window.name == name && window.width == width && window.height == height)
                return window;
        sleepSeconds(0.05);
    }
    return std::nullopt;
}

Picture takeScreenshot(int x, int y, int width, int height, const std::string& label) {
    std::ostringstream command;
    command << "import -window root -crop " << width << "x" << height << "+" << x << "+" << y
            << " +repage -depth 8 ppm:- 2>/dev/null";
    Picture picture = parsePpm(runCommand(command.str()));
    if (const char* folder = getenv("ZEPHRA_E2E_SHOTS"))
        writePpm(picture, std::string(folder) + "/" + label + ".ppm");
    return picture;
}

void movePointer(int x, int y) {
    runCommand("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

void focusWindow(const std::string& id) {
    runCommand("timeout 10 xdotool windowfocus --sync " + id + " 2>/dev/null");
}

void clickButton(int button) {
    // Long enough to span a slow frame, shorter than the splash's pause.
    const std::string b = std::to_string(button);
    runCommand("xdotool mousedown " + b + " sleep 0.2 mouseup " + b);
}

void pressKey(const std::string& key) {
    runCommand("xdotool keydown " + key + " sleep 0.1 keyup " + key);
}

void sleepSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}
