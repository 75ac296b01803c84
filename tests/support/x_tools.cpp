#include "x_tools.h"

#include <sstream>

#include "host_command.h"
#include "wait.h"

namespace ZephraTest {
namespace {

// The number after label in xwininfo's report, or 0 when it is missing.
int fieldAfter(const std::string& report, const std::string& label) {
    const size_t at = report.find(label);
    if (at == std::string::npos) return 0;
    try {
        return std::stoi(report.substr(at + label.size()));
    } catch (...) {
        return 0;
    }
}

// Every titled window in the X server's tree, as (id, title) from lines of
// `xwininfo -root -tree` such as
//      0x200002 "Zephra Window": ("a" "b")  800x600+5+5  +5+5
std::vector<std::pair<std::string, std::string>> titledWindows() {
    std::vector<std::pair<std::string, std::string>> windows;
    std::istringstream tree(runCommand("xwininfo -root -tree 2>/dev/null"));
    for (std::string line; std::getline(tree, line);) {
        std::istringstream fields(line);
        std::string id;
        if (!(fields >> id) || id.rfind("0x", 0) != 0) continue;
        const size_t open = line.find('"');
        const size_t close = line.find("\":", open == std::string::npos ? 0 : open + 1);
        if (open == std::string::npos || close == std::string::npos) continue;
        windows.emplace_back(id, line.substr(open + 1, close - open - 1));
    }
    return windows;
}

}  // namespace

// What xwininfo reports of one window, such as
//   xwininfo: Window id: 0x200002 "Zephra Window"
//     Absolute upper-left X:  5
//     Absolute upper-left Y:  5
//     Width: 800
//     Height: 600
//     Map State: IsViewable
XWindow describeWindow(const std::string& id) {
    XWindow window;
    window.id = id;
    const std::string report = runCommand("xwininfo -id " + shellQuoted(id) + " 2>/dev/null");
    if (report.find("Window id:") == std::string::npos) return window;
    window.exists = true;
    window.viewable = report.find("Map State: IsViewable") != std::string::npos;
    window.x = fieldAfter(report, "Absolute upper-left X:");
    window.y = fieldAfter(report, "Absolute upper-left Y:");
    window.width = fieldAfter(report, "Width:");
    window.height = fieldAfter(report, "Height:");
    const size_t line = report.find("Window id:");
    const size_t open = report.find('"', line);
    const size_t close = report.rfind('"', report.find('\n', line));
    if (open != std::string::npos && close != std::string::npos && close > open)
        window.name = report.substr(open + 1, close - open - 1);
    return window;
}

std::vector<XWindow> windowsNamed(const std::string& name) {
    std::vector<XWindow> windows;
    for (const auto& [id, title] : titledWindows()) {
        if (title != name) continue;
        XWindow window = describeWindow(id);
        if (window.exists) windows.push_back(window);
    }
    return windows;
}

std::vector<XWindow> listWindows() {
    std::vector<XWindow> windows;
    for (const auto& [id, title] : titledWindows()) {
        XWindow window = describeWindow(id);
        if (window.exists) windows.push_back(window);
    }
    return windows;
}

std::optional<XWindow> findWindow(const std::string& name) {
    for (const XWindow& window : windowsNamed(name))
        if (window.viewable) return window;
    return std::nullopt;
}

std::optional<XWindow> findWindowSized(const std::string& name, int width, int height) {
    for (const XWindow& window : windowsNamed(name))
        if (window.viewable && window.width == width && window.height == height) return window;
    return std::nullopt;
}

std::optional<XWindow> waitForWindow(const std::string& name, double timeoutSeconds) {
    std::optional<XWindow> window;
    waitUntil([&] { return bool(window = findWindow(name)); }, timeoutSeconds);
    return window;
}

std::optional<XWindow> waitForWindowSized(const std::string& name, int width, int height,
                                          double timeoutSeconds) {
    std::optional<XWindow> window;
    waitUntil([&] { return bool(window = findWindowSized(name, width, height)); }, timeoutSeconds);
    return window;
}

bool movePointer(int x, int y) {
    return runOk("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

bool movePointerThrough(const std::vector<std::pair<int, int>>& points) {
    std::string moves = "xdotool";
    for (const auto& [x, y] : points)
        moves += " mousemove " + std::to_string(x) + " " + std::to_string(y);
    return runOk(moves);
}

bool pressButton(int button) { return runOk("xdotool mousedown " + std::to_string(button)); }

bool releaseButton(int button) { return runOk("xdotool mouseup " + std::to_string(button)); }

bool clickButton(int button, double holdSeconds) {
    const std::string b = std::to_string(button);
    if (holdSeconds <= 0) return runOk("xdotool click " + b);
    return runOk("xdotool mousedown " + b + " sleep " + std::to_string(holdSeconds) + " mouseup " + b);
}

bool pressKey(const std::string& key) { return runOk("xdotool keydown " + shellQuoted(key)); }

bool releaseKey(const std::string& key) { return runOk("xdotool keyup " + shellQuoted(key)); }

bool tapKey(const std::string& key, double holdSeconds) {
    const std::string k = shellQuoted(key);
    if (holdSeconds <= 0) return runOk("xdotool key " + k);
    return runOk("xdotool keydown " + k + " sleep " + std::to_string(holdSeconds) + " keyup " + k);
}

bool tapKeyIn(const std::string& id, const std::string& key) {
    return runOk("xdotool key --window " + shellQuoted(id) + " " + shellQuoted(key));
}

bool focusWindow(const std::string& id) {
    return runOk("xdotool windowfocus --sync " + shellQuoted(id), 10.0);
}

bool resizeWindow(const std::string& id, int width, int height) {
    return runOk("xdotool windowsize --sync " + shellQuoted(id) + " " + std::to_string(width) + " " +
                 std::to_string(height), 10.0);
}

bool sendCloseRequest(const std::string& id) {
    return runOk("python3 " + shellQuoted(ZEPHRA_SOURCE_DIR "/tests/support/send_close_request.py") +
                 " " + shellQuoted(id));
}

}  // namespace ZephraTest
