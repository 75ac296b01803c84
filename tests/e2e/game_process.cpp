#include "game_process.h"

#include "game_command.h"
#include "wait.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

GameProcess::GameProcess(const std::string& workingDirectory,
                         const std::map<std::string, std::string>& environment,
                         const std::string& program) {
    char pattern[] = "/tmp/pouncer-stderr-XXXXXX";
    const int errorFd = mkstemp(pattern);
    if (errorFd < 0) throw std::runtime_error("cannot create the stderr file");
    errorFile = pattern;
    const GameCommand command = gameCommand(program);
    std::vector<char*> arguments;
    for (const std::string& argument : command.arguments)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);
    pid = fork();
    if (pid == 0) {
        if (chdir(workingDirectory.c_str()) != 0) _exit(126);
        // Silent unless a test asks for a sound driver of its own.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        for (const auto& [name, value] : command.environment)
            setenv(name.c_str(), value.c_str(), 1);
        for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
        dup2(errorFd, 2);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    close(errorFd);
    if (pid < 0) throw std::runtime_error("fork failed");
}

GameProcess::~GameProcess() {
    if (!ended && pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    endGameSession();
    unlink(errorFile.c_str());
}

bool GameProcess::isRunning() {
    if (!ended && waitpid(pid, &status, WNOHANG) == pid) ended = true;
    return !ended;
}

std::optional<int> GameProcess::waitForExit(double timeout) {
    ZephraTest::waitUntil([&] { return !isRunning(); }, timeout);
    if (!ended || !WIFEXITED(status)) return std::nullopt;
    return WEXITSTATUS(status);
}

std::string GameProcess::errorOutput() const {
    std::ifstream in(errorFile);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string GameProcess::stacks() const {
    if (ended || pid <= 0) return "(not running)";
    std::FILE* gdb = popen(("gdb -batch -nx -p " + std::to_string(pid) +
                            " -ex 'thread apply all bt 12' 2>/dev/null | grep -E '^(#|Thread)'")
                               .c_str(),
                           "r");
    if (!gdb) return "(gdb did not start)";
    std::string text;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, gdb)) > 0) text.append(buffer, n);
    pclose(gdb);
    return text.empty() ? "(gdb gave nothing)" : text;
}
