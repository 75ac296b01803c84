// The Windows programs under Wine, in the test suites' own Wine prefix. A
// test's private X server goes away with the test, so the prefix's server
// and desktop process end with each game: the next game brings up fresh
// ones on its own display.
#include "game_command.h"

#include <cstdlib>
#include <filesystem>

#include "x_display.h"

namespace {

std::string fromEnvironment(const char* name, const std::string& otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? value : otherwise;
}

// Where `make windows` puts the programs, unless ZEPHRA_WINDOWS_BUILD says;
// absolute, since the game runs in a folder of the test's choice.
std::string windowsBuild() {
    const std::string folder =
        fromEnvironment("ZEPHRA_WINDOWS_BUILD", std::string(ZEPHRA_SOURCE_DIR) + "/build-windows");
    return std::filesystem::absolute(folder).string();
}

std::string winePrefix() {
    const std::string prefix = fromEnvironment("ZEPHRA_WINE_PREFIX", windowsBuild() + "/wine-prefix");
    return std::filesystem::absolute(prefix).string();
}

}  // namespace

GameCommand gameCommand(const std::string& program) {
    return {{"wine", windowsBuild() + "/" + program + ".exe"},
            {{"WINEPREFIX", winePrefix()},
             {"WINEARCH", "win64"},
             {"WINEDEBUG", "-all"},
             // No installer dialogs for .NET or the HTML engine.
             {"WINEDLLOVERRIDES", "mscoree,mshtml="}}};
}

void endGameSession() {
    runCommand("WINEPREFIX='" + winePrefix() + "' wineserver -k 2>/dev/null; WINEPREFIX='" +
               winePrefix() + "' wineserver -w 2>/dev/null");
}
