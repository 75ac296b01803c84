// The compiler's one entry point: Cg source in, GLSL and the program's
// parameters out. Runs the stages in order (preprocess, parse, check,
// generate) and is all that the runtime and the tools call. Needs no OpenGL.
#pragma once

#include <string>
#include <vector>

#include "base/program_info.h"
#include "base/semantics.h"
#include "base/source.h"
#include "base/types.h"

namespace cgc {

struct CompileOutput {
    bool ok = false;
    std::string glsl;
    std::string listing;  // empty when the compiler said nothing
    std::vector<UniformLeaf> uniforms;
    std::vector<AttributeBinding> attributes;
    std::vector<ParameterNode> parameters;
};

// args: compiler options; "-DNAME" and "-DNAME=VALUE" define macros, "-IDIR"
// and "-I DIR" add a folder that #include searches.
CompileOutput compileProgram(const std::string& source, Stage stage, const std::string& entry,
                             const std::vector<std::string>& args, const SourceInfo& info = SourceInfo(),
                             const ProfileRules& rules = ProfileRules());

// GLSL ES 3.00 for the stage missing from a pair on an ES context, which has
// no fixed-function stage to stand in for it.
std::string glslEsStandIn(Stage missing);

// Reads a whole file as the compiler reads its sources; false when it
// cannot be opened or is a folder.
bool readSourceFile(const std::string& path, std::string& text);

}  // namespace cgc
