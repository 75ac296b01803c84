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

enum class ParameterKind { Leaf, Struct, Array };
enum class ParameterDirection { In, Out, InOut };

// One parameter as the API shows it: an entry parameter or a global uniform
// (a root), a struct member or an array element. The program's parameters are
// listed depth-first, entry parameters before globals, each parent before its
// children.
struct ParameterNode {
    std::string name;      // full path: "IN", "IN.video_size", "weights[2]"
    ParameterKind kind = ParameterKind::Leaf;
    Type type;             // without its struct information, which dies with the compile
    std::string structName;  // structs: the struct's name
    std::string semantic;    // upper case, empty when none
    bool varying = false;    // false: uniform
    bool mixed = false;      // a struct with both uniform and varying members
    ParameterDirection direction = ParameterDirection::In;
    int parent = -1;         // index of the enclosing struct or array
    int uniform = -1;        // uniform leaves: index into CompileOutput::uniforms
    bool global = false;     // a global uniform or a member or element of one
};

struct CompileOutput {
    bool ok = false;
    std::string glsl;
    std::string listing;  // empty when the compiler said nothing
    std::vector<UniformLeaf> uniforms;
    std::vector<AttributeBinding> attributes;
    std::vector<ParameterNode> parameters;
};

// What a profile allows beyond what every profile allows.
struct ProfileRules {
    bool vertexTextureFetch = false;  // texture lookups in vertex programs
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
                             const std::vector<std::string>& args, const SourceInfo& info = SourceInfo(),
                             const ProfileRules& rules = ProfileRules());

}  // namespace cgc
