#include "x_tools.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <thread>

#include "platform/gl_context.h"

namespace ZephraTest {

std::string run(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    return pclose(pipe) == 0 ? output : std::string();
}

bool runOk(const std::string& command) { return std::system(command.c_str()) == 0; }

unsigned long xWindowOf(const Zephra::Window& window) {
    return reinterpret_cast<unsigned long>(Zephra::Platform::getNativeSurface(window));
}

namespace {

int fieldAfter(const std::string& text, const std::string& label) {
    const size_t at = text.find(label);
    return at == std::string::npos ? -99999 : std::stoi(text.substr(at + label.size()));
}

}  // namespace

XGeometry xGeometry(unsigned long xWindow) {
    XGeometry geometry;
    const std::string info = run("xwininfo -id " + std::to_string(xWindow) + " 2>/dev/null");
    if (info.empty()) return geometry;
    geometry.exists = true;
    geometry.viewable = info.find("Map State: IsViewable") != std::string::npos;
    geometry.x = fieldAfter(info, "Absolute upper-left X:");
    geometry.y = fieldAfter(info, "Absolute upper-left Y:");
    geometry.width = fieldAfter(info, "Width:");
    geometry.height = fieldAfter(info, "Height:");
    const size_t open = info.find('"'), close = info.find('"', open + 1);
    if (open != std::string::npos && close != std::string::npos)
        geometry.name = info.substr(open + 1, close - open - 1);
    return geometry;
}

bool sendCloseRequest(unsigned long xWindow) {
    return runOk("python3 " ZEPHRA_SOURCE_DIR "/tests/platform/send_close_request.py " +
                 std::to_string(xWindow));
}

std::string findWindowNamed(const std::string& name) {
    std::istringstream tree(run("xwininfo -root -tree"));
    std::string line;
    const std::string quoted = " \"" + name + "\"";
    while (std::getline(tree, line)) {
        const size_t at = line.find(quoted);
        if (at == std::string::npos) continue;
        std::istringstream fields(line);
        std::string id;
        fields >> id;
        return id;
    }
    return std::string();
}

void sleepMs(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace ZephraTest
