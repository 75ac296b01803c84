// Collects a compile's errors and warnings and renders them as the listing.
//
// Every physical line of every file the preprocessor reads gets a number of
// its own, a location, handed out in reading order. One int then carries file
// and line through tokens, the syntax tree and the checker; the listing maps
// it back to "file(line)".
#pragma once

#include <map>
#include <string>
#include <vector>

namespace cgc {

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
    // "FILE(LINE) : error: MESSAGE" per diagnostic, in the order reported;
    // the main source given as text has no file name: "(LINE) : error: ...".
    std::string listing() const;

    // Reserves locations for a text of `lines` lines read as `file`; returns
    // the location of its first line.
    int addSource(const std::string& file, int lines);
    // From `location` on, lines count from `line` in `file` (#line).
    void renumber(int location, const std::string& file, int line);
    // The file name and line a location stands for.
    void resolve(int location, std::string& file, int& line) const;

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
