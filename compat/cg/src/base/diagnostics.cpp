#include "base/diagnostics.h"

#include <algorithm>
#include <climits>

namespace cgc {

void Diagnostics::error(int line, const std::string& message) {
    items.push_back({line, Severity::Error, message});
    if (++errorCount >= maxErrors) {
        items.push_back({line, Severity::Error, "too many errors, compilation stopped"});
        throw CompileAbort{};
    }
}

void Diagnostics::warning(int line, const std::string& message) {
    items.push_back({line, Severity::Warning, message});
}

void Diagnostics::fatal(int line, const std::string& message) {
    items.push_back({line, Severity::Error, message});
    ++errorCount;
    throw CompileAbort{};
}

int Diagnostics::fileIndex(const std::string& file) {
    for (size_t i = 0; i < files.size(); ++i)
        if (files[i] == file) return static_cast<int>(i);
    files.push_back(file);
    return static_cast<int>(files.size() - 1);
}

int Diagnostics::addSource(const std::string& file, int lines) {
    // Room for the last line and the line a lexer may count past it.
    constexpr int lastLine = (INT_MAX >> columnBits) - 2;
    if (lines < 0 || lines > lastLine || nextLocation > lastLine - lines)
        fatal(locationAt(std::max(nextLocation - 1, 0), 1), "the sources are too large");
    int first = nextLocation;
    segments[first] = {fileIndex(file), 1};
    nextLocation += lines + 2;
    return first;
}

void Diagnostics::renumber(int lineNumber, const std::string& file, int line) {
    segments[lineNumber] = {fileIndex(file), line};
}

void Diagnostics::resolve(int location, std::string& file, int& line, int& column) const {
    int number = lineOfLocation(location);
    column = location & maxColumn;
    auto it = segments.upper_bound(number);
    if (it == segments.begin()) {
        file.clear();
        line = number;
        return;
    }
    --it;
    file = files[static_cast<size_t>(it->second.file)];
    line = it->second.firstLine + (number - it->first);
}

std::string Diagnostics::listing() const {
    std::string text;
    for (const Diagnostic& d : items) {
        std::string file;
        int line = 0, column = 0;
        resolve(d.line, file, line, column);
        if (!text.empty()) text += '\n';
        text += file + "(" + std::to_string(line) + "," + std::to_string(std::max(column, 1)) + "): ";
        text += d.severity == Severity::Error ? "error: " : "warning: ";
        text += d.message;
    }
    return text;
}

}  // namespace cgc
