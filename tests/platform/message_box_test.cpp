// The error box: its stderr line, and a box named "Error" that a user dismisses.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/message_box.h"
#include "x_tools.h"

using namespace ZephraTest;

namespace {

// Shows the box in a child process with stderr sent to `errPath`, so that
// this process stays free to find and dismiss it.
pid_t showInChild(const std::string& errPath, const std::string& text, bool withDisplay) {
    const pid_t child = fork();
    if (child == 0) {
        const int fd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, 2);
        if (!withDisplay) unsetenv("DISPLAY");
        Zephra::showErrorBox("Error", text);
        _exit(0);
    }
    return child;
}

bool exitsWithin(pid_t child, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status);
        sleepMs(20);
    }
    return false;
}

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string tempPath(const char* name) {
    return std::string(ZEPHRA_BINARY_DIR) + "/" + name + std::to_string(getpid());
}

}  // namespace

TEST(ErrorBox, ShowsABoxNamedErrorAndWritesOneLine) {
    const std::string errPath = tempPath("error_box_stderr_");
    const pid_t child = showInChild(errPath, "File not found:\ndata/star.png", true);
    std::string id;
    for (int i = 0; i < 150 && id.empty(); ++i) {
        sleepMs(20);
        id = findWindowNamed("Error");
    }
    ASSERT_FALSE(id.empty()) << "no window named \"Error\"";
    EXPECT_TRUE(runOk("xdotool key --window " + id + " Return"));
    const bool exited = exitsWithin(child, 5000);
    if (!exited) kill(child, SIGKILL), waitpid(child, nullptr, 0);
    EXPECT_TRUE(exited) << "the box did not close on Return";
    EXPECT_EQ(contents(errPath), "Error: File not found: data/star.png\n");
    std::remove(errPath.c_str());
}

TEST(ErrorBox, WithoutADisplayWritesStderrAndReturns) {
    const std::string errPath = tempPath("error_box_nodisplay_");
    const pid_t child = showInChild(errPath, "No device", false);
    const bool exited = exitsWithin(child, 5000);
    if (!exited) kill(child, SIGKILL), waitpid(child, nullptr, 0);
    EXPECT_TRUE(exited);
    EXPECT_EQ(contents(errPath), "Error: No device\n");
    std::remove(errPath.c_str());
}
