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
    bool usesRect = false;
    bool usesTextureLod = false;  // lookups with explicit level of detail or derivatives

private:
    Stage stage;
    std::set<std::string> helperTypes[3];  // fmod, clip, imod: per GLSL type
    std::map<std::string, std::string> extraHelpers;  // by name: the whole GLSL function

    std::string componentwiseLogic(Op op, const Type& t, const std::string& left, const std::string& right);
    std::string select(const Expr& e);
    std::string texture(const Expr& e, const std::vector<std::string>& args);
    std::string determinant(const Type& m, const std::string& value);
    std::string binary(const Expr& e);
    std::string assign(const Expr& e);
    std::string call(const Expr& e);
    std::string builtin(const Expr& e);
    std::string member(const Expr& e);
    std::string literal(const Expr& e) const;
    std::string declarators(const std::vector<VarDeclPtr>& decls);
};

}  // namespace cgc
