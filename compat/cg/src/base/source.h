// Where a compile's source comes from and what its profile allows: given to
// the driver and handed down to the preprocessor and the checker.
#pragma once

#include <functional>
#include <string>

namespace cgc {

// What a profile allows beyond what every profile allows.
struct ProfileRules {
    bool vertexTextureFetch = false;  // texture lookups in vertex programs
    bool es = false;                  // GLSL ES 3.00 (OpenGL ES 3.0, WebGL 2) instead of GLSL 1.20
};

// Where #include finds its files beyond the disk: given the name as written,
// returns true with the text and the path to show in listings. Asked first,
// before the including file's folder and the -I folders.
using IncludeSource = std::function<bool(const std::string& name, std::string& path, std::string& text)>;

struct SourceInfo {
    std::string path;              // the main source's file, "" when given as text
    IncludeSource includeSource;   // may be empty
};

}  // namespace cgc
