// How the end-to-end suites start a game program: the Linux build natively,
// or the Windows build under Wine. Each suite links one of
// game_command_native.cpp and game_command_wine.cpp.
#pragma once

#include <map>
#include <string>
#include <vector>

struct GameCommand {
    std::vector<std::string> arguments;              // the program first
    std::map<std::string, std::string> environment;  // set on top of the test's own
};

// The command that runs program ("pouncer_windowed" or "pouncer").
GameCommand gameCommand(const std::string& program);

// Ends what the platform keeps running beside a game (Wine's server and
// desktop process), once the game itself has ended or been killed.
void endGameSession();
