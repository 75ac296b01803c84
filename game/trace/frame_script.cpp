#include "frame_script.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The next whitespace-separated token from position at, or empty at the end.
std::string nextToken(const std::string& line, size_t& at) {
    while (at < line.size() && isBlank(line[at])) ++at;
    const size_t start = at;
    while (at < line.size() && !isBlank(line[at])) ++at;
    return line.substr(start, at - start);
}

bool parseFloat(const std::string& token, float& value) {
    if (token.empty()) return false;
    char* end = nullptr;
    value = std::strtof(token.c_str(), &end);
    return *end == '\0';
}

bool parseInt32(const std::string& token, int32_t& value) {
    if (token.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(token.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE) return false;
    if (parsed < std::numeric_limits<int32_t>::min() || parsed > std::numeric_limits<int32_t>::max())
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

bool parseFlag(const std::string& token, bool& value) {
    if (token != "0" && token != "1") return false;
    value = token == "1";
    return true;
}

}  // namespace

ScriptLine parseScriptLine(const std::string& line, ScriptFrame& frame) {
    size_t at = 0;
    const std::string first = nextToken(line, at);
    if (first.empty() || first[0] == '#') return ScriptLine::Skip;

    std::string tokens[6] = {first};
    for (int i = 1; i < 6; ++i) tokens[i] = nextToken(line, at);
    if (!nextToken(line, at).empty()) return ScriptLine::Malformed;

    const bool ok = parseFloat(tokens[0], frame.frameTime) && parseInt32(tokens[1], frame.cursorX) &&
                    parseInt32(tokens[2], frame.cursorY) && parseFlag(tokens[3], frame.left) &&
                    parseFlag(tokens[4], frame.right) && parseFlag(tokens[5], frame.splash);
    return ok ? ScriptLine::Frame : ScriptLine::Malformed;
}

FrameInput toFrameInput(const ScriptFrame& frame) {
    FrameInput input;
    input.frameTime = frame.frameTime;
    input.cursorX = frame.cursorX;
    input.cursorY = frame.cursorY;
    input.leftButton = [&frame] { return frame.left; };
    input.rightButton = [&frame] { return frame.right; };
    input.splashActive = frame.splash;
    return input;
}
