#include "unix_command.h"

#include <process.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace ZephraTest {
namespace {

namespace fs = std::filesystem;

// Unix and Windows names of one scratch file; Wine shows the Unix root as Z:.
struct SharedFile {
    std::string unixPath;
    fs::path windowsPath;
};

SharedFile scratchFile(const std::string& suffix) {
    static int counter = 0;
    const std::string name =
        "/tmp/zephra-wine-" + std::to_string(_getpid()) + "-" + std::to_string(++counter) + suffix;
    std::string windows = "Z:" + name;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return {name, fs::path(windows)};
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int fieldAfter(const std::string& text, const std::string& label) {
    const size_t at = text.find(label);
    return at == std::string::npos ? -99999 : std::stoi(text.substr(at + label.size()));
}

}  // namespace

std::string runUnix(const std::string& command, double timeoutSeconds) {
    const SharedFile output = scratchFile(".out");
    const SharedFile status = scratchFile(".status");
    // The status file appears whole (renamed into place) once the command ends.
    const std::string script = "(" + command + ") > " + output.unixPath + " 2>/dev/null; echo $? > " +
                               status.unixPath + ".part && mv " + status.unixPath + ".part " +
                               status.unixPath;
    const std::string quoted = "\"" + script + "\"";
    _spawnl(_P_NOWAIT, "Z:\\bin\\sh", "sh", "-c", quoted.c_str(), static_cast<char*>(nullptr));
    const auto end = std::chrono::steady_clock::now() +
                     std::chrono::duration<double>(timeoutSeconds);
    while (!fs::exists(status.windowsPath) && std::chrono::steady_clock::now() < end)
        sleepMs(10);
    std::error_code ignored;
    if (!fs::exists(status.windowsPath)) {
        fs::remove(output.windowsPath, ignored);
        return std::string();
    }
    const bool succeeded = contents(status.windowsPath).rfind("0", 0) == 0;
    std::string text = contents(output.windowsPath);
    fs::remove(status.windowsPath, ignored);
    fs::remove(output.windowsPath, ignored);
    return succeeded ? text : std::string();
}

bool runUnixOk(const std::string& command, double timeoutSeconds) {
    return !runUnix(command + " && echo ok", timeoutSeconds).empty();
}

void sleepMs(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

XWindowInfo describeWindow(const std::string& id) {
    XWindowInfo window;
    const std::string info = runUnix("xwininfo -id " + id);
    if (info.empty()) return window;
    window.id = id;
    window.viewable = info.find("Map State: IsViewable") != std::string::npos;
    window.x = fieldAfter(info, "Absolute upper-left X:");
    window.y = fieldAfter(info, "Absolute upper-left Y:");
    window.width = fieldAfter(info, "Width:");
    window.height = fieldAfter(info, "Height:");
    return window;
}

XWindowInfo findZephraWindow(int width, int height) {
    std::istringstream tree(runUnix("xwininfo -root -tree"));
    const std::string size = " " + std::to_string(width) + "x" + std::to_string(height) + "+";
    for (std::string line; std::getline(tree, line);) {
        if (line.find(" \"Zephra Window\": ") == std::string::npos) continue;
        if (line.find(size) == std::string::npos) continue;
        std::istringstream fields(line);
        std::string id;
        fields >> id;
        XWindowInfo window = describeWindow(id);
        if (window.viewable) return window;
    }
    return XWindowInfo();
}

}  // namespace ZephraTest
