// Host commands from a Windows test under Wine. Wine starts a Unix program
// when asked to run one, but gives nothing to wait on: the command goes into
// a script file, and the script leaves its status in a marker file when done.
#include "host_command.h"

#include <process.h>

#include <chrono>
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

struct Outcome {
    bool ended = false;
    int status = -1;
    std::string output;
};

Outcome run(const std::string& command, double timeoutSeconds) {
    const SharedFile script = scratchFile(".sh");
    const SharedFile output = scratchFile(".out");
    const SharedFile status = scratchFile(".status");
    {
        std::ofstream out(script.windowsPath, std::ios::binary);
        // The status file appears whole (renamed into place) once the command ends.
        out << "(" << command << ") > " << output.unixPath << " 2>/dev/null\n"
            << "echo $? > " << status.unixPath << ".part && mv " << status.unixPath << ".part "
            << status.unixPath << "\n";
    }
    _spawnl(_P_NOWAIT, "Z:\\bin\\sh", "sh", script.unixPath.c_str(), static_cast<char*>(nullptr));
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (!fs::exists(status.windowsPath) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Outcome outcome;
    std::error_code ignored;
    if (fs::exists(status.windowsPath)) {
        outcome.ended = true;
        outcome.status = std::atoi(contents(status.windowsPath).c_str());
        outcome.output = contents(output.windowsPath);
    }
    fs::remove(status.windowsPath, ignored);
    fs::remove(output.windowsPath, ignored);
    fs::remove(script.windowsPath, ignored);
    return outcome;
}

}  // namespace

std::string runCommand(const std::string& command, double timeoutSeconds) {
    return run(command, timeoutSeconds).output;
}

bool runOk(const std::string& command, double timeoutSeconds) {
    const Outcome outcome = run(command, timeoutSeconds);
    return outcome.ended && outcome.status == 0;
}


}  // namespace ZephraTest
