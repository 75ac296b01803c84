// The real game program started as a child process: in a working directory
// of the test's choice (the game reads data/ under it), with extra
// environment, and with its stderr kept for the test to read.
#pragma once

#include <map>
#include <optional>
#include <string>

class GameProcess {
public:
    // Starts program in workingDirectory: a name ("pouncer_windowed",
    // "pouncer") is the build's own program, natively or under Wine; a path
    // is started as it is. SDL's silent audio driver unless environment
    // names another.
    GameProcess(const std::string& workingDirectory,
                const std::map<std::string, std::string>& environment = {},
                const std::string& program = "pouncer_windowed");
    // A game still running at the end of a test is killed.
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // The exit status once the program has ended within timeout seconds;
    // nothing while it still runs (or when it died of a signal).
    std::optional<int> waitForExit(double timeout);
    bool isRunning();
    std::string errorOutput() const;
    // Where the program's threads are now (gdb), for a report on a game
    // that does not show what a test waits for.
    std::string stacks() const;

private:
    int pid = -1;
    bool ended = false;
    int status = 0;
    std::string errorFile;
};
