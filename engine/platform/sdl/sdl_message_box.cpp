// SDL2 backend: the error box.
// Implements: one line "Error: <text>" on stderr, always; then a modal box
//   with the caption, the text and one OK button, owned by no window, which
//   needs neither a Zephra::Window nor SDL's video subsystem.
// Lacks: without a display (or when the box cannot be shown) stderr is all.
#include "platform/message_box.h"

#include <cstdio>

#include "platform/sdl/sdl_platform.h"

namespace Zephra {
namespace {

// The text on one line: each run of line breaks becomes one space.
std::string oneLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    bool inBreak = false;
    for (char c : text) {
        const bool isBreak = c == '\n' || c == '\r';
        if (isBreak && !inBreak) line += ' ';
        if (!isBreak) line += c;
        inBreak = isBreak;
    }
    return line;
}

}  // namespace

void showErrorBox(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "Error: %s\n", oneLine(text).c_str());
    std::fflush(stderr);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

}  // namespace Zephra
