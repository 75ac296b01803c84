// The preprocessor: directives, #include, conditional sections and macro
// expansion. Token lines are locations (see Diagnostics).
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/source.h"
#include "base/diagnostics.h"
#include "base/token.h"

namespace cgc {

struct PreprocessOptions {
    std::string path;                      // the main source's file, "" when given as text
    std::vector<std::string> includeDirs;  // -I, searched in order
    std::vector<std::pair<std::string, std::string>> defines;  // -D, set before the first line
    IncludeSource includeSource;           // asked before the disk
};

// The preprocessed tokens, one at a time, as the parser asks: a source the
// parser rejects early is never read to its end.
class TokenStream {
public:
    virtual ~TokenStream() = default;
    // Appends the tokens that are ready, at least one; false at the end.
    virtual bool next(std::deque<Token>& tokens) = 0;
};

// source and options must outlive the stream.
std::unique_ptr<TokenStream> preprocess(const std::string& source, const PreprocessOptions& options,
                                        Diagnostics& diagnostics);

}  // namespace cgc
