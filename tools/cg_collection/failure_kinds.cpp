#include "failure_kinds.h"

#include <cctype>

namespace cgcollection {
namespace {

// Drops "file(12,7) : " or "(0) : " before the message.
std::string withoutLocation(const std::string& line) {
    size_t marker = line.find("error");
    if (marker == std::string::npos) marker = line.find("warning");
    if (marker == std::string::npos) return line;
    return line.substr(marker);
}

}  // namespace

std::string failureKind(const std::string& firstError) {
    std::string message = withoutLocation(firstError);
    std::string kind;
    for (size_t i = 0; i < message.size();) {
        char c = message[i];
        if (c == '\'' || c == '"' || c == '`') {
            size_t close = message.find(c == '`' ? '\'' : c, i + 1);
            if (close != std::string::npos) {
                kind += "'...'";
                i = close + 1;
                continue;
            }
        }
        bool startsWord = i == 0 || !(std::isalnum(static_cast<unsigned char>(message[i - 1])) || message[i - 1] == '_');
        if (std::isdigit(static_cast<unsigned char>(c)) && startsWord) {
            while (i < message.size() && (std::isalnum(static_cast<unsigned char>(message[i])) || message[i] == '.')) ++i;
            kind += 'N';
            continue;
        }
        kind += c;
        ++i;
    }
    return kind;
}

}  // namespace cgcollection
