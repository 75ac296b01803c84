// SDL2 backend: the error box.
// Implements: one line "Error: <text>" on stderr, always; then a modal box
//   with the caption, the text and one OK button, owned by no window, which
//   needs neither a Zephra::Window nor SDL's video subsystem.
// Lacks: without a display (or when the box cannot be shown) stderr is all.
#include "platform/message_box.h"

#include "platform/error_line.h"
#include "platform/sdl/sdl_platform.h"

namespace Zephra {

void showErrorBox(const std::string& caption, const std::string& text) {
    Platform::writeErrorLine(text);
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
}

}  // namespace Zephra
