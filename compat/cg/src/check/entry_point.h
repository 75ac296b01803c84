// The entry function's interface: which inputs and outputs it binds to which
// semantic, which uniforms the program has, and which functions it reaches.
#pragma once

#include <string>
#include <vector>

#include "base/program_info.h"
#include "base/source.h"
#include "base/diagnostics.h"
#include "parse/ast.h"

namespace cgc {

// One scalar or vector inside an entry parameter or return value.
struct VaryingLeaf {
    std::string access;  // GLSL path below the variable: "", ".m_pos"
    Type type;
    std::string glsl;    // the fixed-function variable; "" for none (reads as zero)
    int size = 4;
};

struct EntryParam {
    const VarDecl* decl;
    std::vector<VaryingLeaf> inputs, outputs;
};

struct EntryInterface {
    const FunctionDecl* entry = nullptr;
    std::vector<EntryParam> params;
    std::vector<VaryingLeaf> results;
    std::vector<const FunctionDecl*> reachable;  // callees first
    std::vector<UniformLeaf> uniforms;
    std::vector<AttributeBinding> attributes;
};

bool analyzeEntry(const Module& module, Stage stage, const std::string& entry, Diagnostics& diagnostics,
                  EntryInterface& out, const ProfileRules& rules = ProfileRules());

// The value of a constant initializer, flattened row by row; false when it
// is not made of literals.
bool constantValue(const Expr& e, std::vector<float>& out);

}  // namespace cgc
