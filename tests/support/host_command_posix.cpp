#include "host_command.h"

#include <cstdio>
#include <cstdlib>

namespace ZephraTest {
namespace {

// Runs command under `timeout`, so that a tool that hangs ends the wait.
std::string limited(const std::string& command, double timeoutSeconds) {
    return "timeout -k 5 " + std::to_string(timeoutSeconds) + " sh -c " + shellQuoted(command);
}

}  // namespace

std::string runCommand(const std::string& command, double timeoutSeconds) {
    std::string output;
    if (FILE* pipe = popen(limited(command, timeoutSeconds).c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

bool runOk(const std::string& command, double timeoutSeconds) {
    return std::system(limited(command, timeoutSeconds).c_str()) == 0;
}


}  // namespace ZephraTest
