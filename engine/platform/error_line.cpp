#include "platform/error_line.h"

#include <cstdio>

namespace Zephra {
namespace Platform {

void writeErrorLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    bool inBreak = false;
    for (char c : text) {
        const bool isBreak = c == '\n' || c == '\r';
        if (isBreak && !inBreak) line += ' ';
        if (!isBreak) line += c;
        inBreak = isBreak;
    }
    std::fprintf(stderr, "Error: %s\n", line.c_str());
    std::fflush(stderr);
}

}  // namespace Platform
}  // namespace Zephra
