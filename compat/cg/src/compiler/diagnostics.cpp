#include "compiler/diagnostics.h"

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

std::string Diagnostics::listing() const {
    std::string text;
    for (const Diagnostic& d : items) {
        if (!text.empty()) text += '\n';
        text += "(" + std::to_string(d.line) + ") : ";
        text += d.severity == Severity::Error ? "error: " : "warning: ";
        text += d.message;
    }
    return text;
}

}  // namespace cgc
