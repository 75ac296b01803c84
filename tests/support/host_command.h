// Commands of the machine the tests run on (xdotool, xwininfo, import,
// python3), run through /bin/sh. A Linux test runs them directly; a Windows
// test under Wine runs them on the Linux host beside it, on the X server the
// program itself draws on.
#pragma once

#include <string>

namespace ZephraTest {

// What the command printed on stdout once it ended, whatever its status;
// "" when it could not be run or did not end within timeoutSeconds.
std::string runCommand(const std::string& command, double timeoutSeconds = 60.0);
// Whether the command ended with status 0 within timeoutSeconds.
bool runOk(const std::string& command, double timeoutSeconds = 60.0);

// A word for the shell, single-quoted.
inline std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace ZephraTest
