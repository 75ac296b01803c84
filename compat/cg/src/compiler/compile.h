// The compiler's one entry point: Cg source in, GLSL 1.20 and the program's
// parameters out. Needs no OpenGL.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "compiler/types.h"

namespace cgc {

enum class Stage { Vertex, Fragment };

// One settable value of the program: a scalar, vector, matrix or sampler,
// possibly a member or element of a struct or array parameter.
struct UniformLeaf {
    std::string name;      // as the user names it: "color", "IN.video_size", "lights[2].pos"
    std::string glslName;  // the uniform's name in the generated GLSL
    Type type;
    std::vector<float> value;  // current value, rows x columns, row by row
    int unit = -1;             // samplers: texture unit
};

// A generic vertex attribute the linker must place (ATTR1..ATTR15).
struct AttributeBinding {
    std::string glslName;
    int index;
};

struct CompileOutput {
    bool ok = false;
    std::string glsl;
    std::string listing;  // empty when the compiler said nothing
    std::vector<UniformLeaf> uniforms;
    std::vector<AttributeBinding> attributes;
};

// Where #include finds its files beyond the disk: given the name as written,
// returns true with the text and the path to show in listings. Asked first,
// before the including file's folder and the -I folders.
using IncludeSource = std::function<bool(const std::string& name, std::string& path, std::string& text)>;

struct SourceInfo {
    std::string path;              // the main source's file, "" when given as text
    IncludeSource includeSource;   // may be empty
};

// args: compiler options; "-DNAME" and "-DNAME=VALUE" define macros, "-IDIR"
// and "-I DIR" add a folder that #include searches.
CompileOutput compileProgram(const std::string& source, Stage stage, const std::string& entry,
                             const std::vector<std::string>& args, const SourceInfo& info = SourceInfo());

}  // namespace cgc
