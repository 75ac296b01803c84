// Collects a compile's errors and warnings and renders them as the listing.
#pragma once

#include <string>
#include <vector>

namespace cgc {

enum class Severity { Warning, Error };

struct Diagnostic {
    int line;
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
    // "(LINE) : error: MESSAGE" per diagnostic, in the order reported.
    std::string listing() const;

private:
    std::vector<Diagnostic> items;
    int errorCount = 0;
};

}  // namespace cgc
