#include "game_command.h"

GameCommand gameCommand(const std::string& program) {
    if (program.find('/') != std::string::npos) return {{program}, {}};
    return {{std::string(ZEPHRA_BINARY_DIR) + "/" + program}, {}};
}

void endGameSession() {}
