// One file of a collection: both entry points compiled, loaded, and linked
// as a pair (arbvp1 and arbfp1), the way a host of such a collection uses
// it. compilerArgs: null-terminated, as cgCreateProgram takes them.
#pragma once

#include <string>

#include "Cg/cg.h"

namespace cgcollection {

enum class Stage { Compile, Load, Link, Done };

struct PairResult {
    Stage failedAt = Stage::Done;
    std::string entry;       // the entry point that failed ("" for the link)
    std::string firstError;  // the first error line of the listing
    std::string listing;     // the whole of it
    bool ok() const { return failedAt == Stage::Done; }
};

PairResult compileLoadLink(CGcontext context, const std::string& path, const char** compilerArgs);

const char* stageName(Stage stage);

}  // namespace cgcollection
