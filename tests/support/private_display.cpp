#include "private_display.h"

#include <cstdlib>
#include <stdexcept>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ZephraTest {

PrivateDisplay::PrivateDisplay(const std::string& screen) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
    const pid_t parent = getpid();
    pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        // A test that crashes must not leave its server behind.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(0);
        // Xvfb picks a free display number itself and writes it to fd 3 once
        // it accepts connections, so two tests starting at once never collide.
        close(fds[0]);
        // Its notes on display numbers it tried and found taken are noise here.
        const int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) dup2(quiet, 2);
        if (fds[1] != 3) {
            dup2(fds[1], 3);
            close(fds[1]);
        }
        // Both local sockets, as every other X server here has: a display
        // number is then taken only when it is free in both namespaces, so a
        // client can never reach another server of the same number through
        // the one this server left out. No reset when the last client leaves:
        // the test's short-lived tools must not regenerate the server under a
        // game that is just connecting.
        execlp("Xvfb", "Xvfb", "-displayfd", "3", "-screen", "0", screen.c_str(), "-nolisten",
               "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) {
        waitpid(pid, nullptr, 0);
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    display = ":" + number;
    if (const char* old = std::getenv("DISPLAY")) previous = old;
    setenv("DISPLAY", display.c_str(), 1);
}

PrivateDisplay::~PrivateDisplay() {
    if (previous) setenv("DISPLAY", previous->c_str(), 1);
    else unsetenv("DISPLAY");
    if (pid > 0) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

}  // namespace ZephraTest
