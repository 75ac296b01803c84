// Collects a compile's errors and warnings and renders them as the listing.
//
// Every physical line of every file the preprocessor reads gets a number of
// its own, handed out in reading order. A location packs that number with a
// column on the line, so one int carries file, line and column through
// tokens, the syntax tree and the checker; the listing maps it back to
// "file(line,column)".
#pragma once

#include <map>
#include <string>
#include <vector>

namespace cgc {

// Columns past the last one that fits are reported as that one.
constexpr int columnBits = 10;
constexpr int maxColumn = (1 << columnBits) - 1;

// The location of `column` (1-based) on the line numbered `line`.
inline int locationAt(int line, int column) {
    return line * (1 << columnBits) + (column < 1 ? 1 : column > maxColumn ? maxColumn : column);
}
// The line number a location is on.
inline int lineOfLocation(int location) { return location >> columnBits; }

enum class Severity { Warning, Error };

struct Diagnostic {
    int line;  // a location, see above
    Severity severity;
    std::string message;
};

// Thrown to stop a compile when going on would only produce noise: after a
// syntax error, or once too many errors were reported.
struct CompileAbort {};

class Diagnostics {
public:
    static constexpr int maxErrors = 20;

    void error(int line, const std::string& message);
    void warning(int line, const std::string& message);
    // Reports the error and stops the compile.
    [[noreturn]] void fatal(int line, const std::string& message);

    bool hasErrors() const { return errorCount > 0; }
    const std::vector<Diagnostic>& all() const { return items; }
    // "FILE(LINE,COLUMN): error: MESSAGE" per diagnostic, in the order
    // reported; the main source given as text has no file name:
    // "(LINE,COLUMN): error: ...".
    std::string listing() const;

    // Reserves line numbers for a text of `lines` lines read as `file`;
    // returns the number of its first line.
    int addSource(const std::string& file, int lines);
    // From line number `lineNumber` on, lines count from `line` in `file`
    // (#line).
    void renumber(int lineNumber, const std::string& file, int line);
    // The file name, line and column a location stands for.
    void resolve(int location, std::string& file, int& line, int& column) const;

private:
    struct Segment {
        int file;
        int firstLine;
    };
    std::vector<Diagnostic> items;
    int errorCount = 0;
    std::vector<std::string> files;
    std::map<int, Segment> segments;  // by first location
    int nextLocation = 1;

    int fileIndex(const std::string& file);
};

}  // namespace cgc
