// Win32 backend: the error box.
// Implements: one line "Error: <text>" on stderr (where a console or a
//   redirection catches it), then a modal box with the caption, the text and
//   one OK button, owned by no window.
// Lacks: a program started by double-click has no stderr; the box is all
//   the user sees.
#include "platform/message_box.h"

#include "platform/error_line.h"
#include "platform/win32/win32_platform.h"

namespace Zephra {

void showErrorBox(const std::string& caption, const std::string& text) {
    Platform::writeErrorLine(text);
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace Zephra
