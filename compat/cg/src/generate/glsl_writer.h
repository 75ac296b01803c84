// Writes the checked syntax tree as GLSL 1.20. Cg matrices are emitted
// transposed: a Cg floatRxC becomes a GLSL matrix whose column i is the Cg
// row i, so that M[i], row-order constructors and column-major uploads map
// straight across, and mul() becomes a GLSL product with the operands swapped.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/program_info.h"
#include "generate/program_writer.h"
#include "parse/ast.h"

namespace cgc {

class GlslWriter {
public:
    explicit GlslWriter(Stage s) : stage(s) {}

    std::string type(const Type& t) const;                 // without array suffix
    std::string declaration(const Type& t, const std::string& name) const;
    std::string variableName(const VarDecl& v) const;
    std::string functionName(const FunctionDecl& f) const;
    std::string expression(const Expr& e);
    std::string convert(const std::string& value, const Type& from, const Type& to) const;
    void statement(const Stmt& s, int indent, std::string& out);
    std::string function(const FunctionDecl& f, bool prototypeOnly);
    // The helper functions the written code called, in GLSL.
    std::string helpers() const;
    // A sampler uniform (by its GLSL name) whose comparing lookups read
    // their compare mode from `flag`; and the declarations of the globals
    // that carry those modes into functions with sampler parameters.
    void samplerUniform(const std::string& glslName, const std::string& flag) { uniformFlags[glslName] = flag; }
    std::string flagGlobals() const;
    // "g = mode, ..." for the sampler parameters of f given the arguments'
    // GLSL text; empty when f takes no samplers.
    std::string passFlags(const FunctionDecl& f, const std::vector<std::string>& args);
    bool usesRect = false;
    bool usesTextureLod = false;  // lookups with explicit level of detail or derivatives

private:
    Stage stage;
    std::set<std::string> helperTypes[3];  // fmod, clip, imod: per GLSL type
    std::map<std::string, std::string> extraHelpers;  // by name: the whole GLSL function
    std::map<std::string, std::string> uniformFlags;  // sampler uniform -> its compare-mode uniform
    std::set<std::string> paramFlags;                 // globals carrying compare modes into functions
    const FunctionDecl* current = nullptr;            // the function being written

    std::string flagFor(const std::string& sampler) const;
    std::string paramFlag(const FunctionDecl& f, const std::string& path) const;
    // While writing what a global sampler names: the entry's uniform
    // parameters by their uniform, as any function may read it.
    bool uniformParams = false;

    std::string samplerAlias(const VarDecl& v);
    // A read of glstate's state that is a value (not one of its structs).
    bool isGlStateAccess(const Expr& e) const;
    std::string glState(const Expr& e);
    std::string componentwiseLogic(Op op, const Type& t, const std::string& left, const std::string& right);
    std::string select(const Expr& e);
    std::string texture(const Expr& e, const std::vector<std::string>& args);
    std::string determinant(const Type& m, const std::string& value);
    std::string inverse(const Type& m, const std::string& value);
    std::string binary(const Expr& e);
    std::string assign(const Expr& e);
    std::string call(const Expr& e);
    std::string builtin(const Expr& e);
    std::string member(const Expr& e);
    std::string literal(const Expr& e) const;
    std::string declarators(const std::vector<VarDeclPtr>& decls);
};

// The sampler paths inside a value of type t: "" for a sampler, ".m_t" for a
// struct member, "[1]" for an array element, ...
std::vector<std::string> samplerPaths(const Type& t, Stage stage);

}  // namespace cgc
