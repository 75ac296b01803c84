#include "x_display.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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

std::vector<XWindow> listWindows() {
    // Lines look like:   0x200002 "Zephra Window": ("a" "b")  800x600+5+5  +5+5
    static const std::regex line(
        R"re(^\s*(0x[0-9a-f]+) "([^"]*)":.*\s(\d+)x(\d+)[+-]-?\d+[+-]-?\d+\s+\+?(-?\d+)\+?(-?\d+)\s*$)re");
    std::vector<XWindow> windows;
    std::istringstream tree(runCommand("xwininfo -root -tree 2>/dev/null"));
    for (std::string text; std::getline(tree, text);) {
        std::smatch m;
        if (!std::regex_match(text, m, line)) continue;
        windows.push_back({m[1], m[2], std::stoi(m[5]), std::stoi(m[6]), std::stoi(m[3]),
                           std::stoi(m[4])});
    }
    return windows;
}

std::optional<XWindow> findWindow(const std::string& name) {
    for (const XWindow& window : listWindows())
        if (window.name == name) return window;
    return std::nullopt;
}

std::optional<XWindow> waitForWindow(const std::string& name, double timeout) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    while (std::chrono::steady_clock::now() < end) {
        if (auto window = findWindow(name)) return window;
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
