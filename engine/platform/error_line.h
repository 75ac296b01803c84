// The stderr half of the error box, the same on every backend.
#pragma once

#include <string>

namespace Zephra {
namespace Platform {

// Writes "Error: <text>" to stderr as one line (each run of line breaks
// becomes one space) and flushes it.
void writeErrorLine(const std::string& text);

}  // namespace Platform
}  // namespace Zephra
