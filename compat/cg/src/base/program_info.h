// What a compile tells about a program beyond its GLSL: its stage, its
// settable values, the attributes the linker places, and the parameter tree
// that the runtime's API walks.
#pragma once

#include <string>
#include <vector>

#include "base/types.h"

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
};

}  // namespace cgc
