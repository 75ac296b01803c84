// A modal error box with one OK button and no owner window. It also writes
// "Error: <text>" to stderr as one line (line breaks become spaces) so that
// a failure is never silent; without a display, stderr is all it does.
#pragma once

#include <string>

namespace Zephra {

void showErrorBox(const std::string& caption, const std::string& text);

}  // namespace Zephra
