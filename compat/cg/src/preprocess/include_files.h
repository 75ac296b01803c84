// Finding the text of an #include: first the caller's own source of files,
// then, for "name", the folder of the including file, then the -I folders.
#pragma once

#include <string>
#include <vector>

#include "base/source.h"

namespace cgc {

// includer is the path of the including file ("" for a main source given as
// text, whose folder is the working directory). On success sets path, the
// name that later includes resolve against and listings show.
bool findInclude(const std::string& name, bool quoted, const std::string& includer,
                 const std::vector<std::string>& dirs, const IncludeSource& source, std::string& path,
                 std::string& text);

// Reads a whole file; false when it cannot be opened or is a folder.
bool readFile(const std::string& path, std::string& text);

}  // namespace cgc
