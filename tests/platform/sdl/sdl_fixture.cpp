// The SDL backend on X11: its windows are X windows on the test's private
// X server, and the error box is shown from a child process.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "backend_fixture.h"
#include "platform/gl_context.h"
#include "platform/message_box.h"

namespace ZephraTest {
namespace {

// The box in a child process with stderr sent to a file, so that this
// process stays free to find and dismiss it.
class ChildBox : public ShownErrorBox {
public:
    ChildBox(const std::string& caption, const std::string& text, bool withDisplay)
        : errPath(std::string(ZEPHRA_BINARY_DIR) + "/error_box_stderr_" + std::to_string(getpid())) {
        child = fork();
        if (child == 0) {
            const int fd = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            dup2(fd, 2);
            if (!withDisplay) unsetenv("DISPLAY");
            Zephra::showErrorBox(caption, text);
            _exit(0);
        }
    }
    ~ChildBox() override {
        if (!returned()) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        std::remove(errPath.c_str());
    }

    bool returned() override {
        int status = 0;
        if (!ended && waitpid(child, &status, WNOHANG) == child) ended = true;
        return ended;
    }

    std::string errorOutput() override {
        std::ifstream in(errPath);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string errPath;
    pid_t child = -1;
    bool ended = false;
};

}  // namespace

namespace Backend {

std::string cannot(Need need) {
    switch (need) {
    case Need::ResizeFromOutside:
    case Need::NoDisplay:
    case Need::PlaceWindow:
    case Need::SeveralWindows:
    case Need::CloseRequest:
    case Need::DesktopGL:
    case Need::ModalErrorBox:
        return "";
    case Need::ProbedMultisampleFormat:
        return "GLX offers multisampled visuals directly: the SDL backend finds the format "
               "without a temporary context, so no probe runs";
    }
    return "unknown need";
}

std::string screenId(const Zephra::Window& window) {
    return std::to_string(reinterpret_cast<unsigned long>(Zephra::Platform::getNativeSurface(window)));
}

void frameInset(const Zephra::Window&, int& left, int& top) {
    // No window manager runs on the test's X server: nothing draws a frame,
    // and the client area is placed where the frame would be.
    left = 0;
    top = 0;
}

std::unique_ptr<ShownErrorBox> showErrorBoxAside(const std::string& caption,
                                                 const std::string& text, bool withDisplay) {
    return std::make_unique<ChildBox>(caption, text, withDisplay);
}

}  // namespace Backend
}  // namespace ZephraTest
