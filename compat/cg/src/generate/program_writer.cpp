#include "generate/program_writer.h"

#include "base/naming.h"
#include "generate/glsl_writer.h"

namespace cgc {
namespace {

const char* const swizzles[] = {"", "x", "xy", "xyz", "xyzw"};

// A fixed-function value of `size` components read as `leaf`.
std::string readInput(const GlslWriter& w, const VaryingLeaf& leaf) {
    if (leaf.glsl.empty()) return w.type(leaf.type) + "(0)";
    int n = leaf.type.components();
    std::string v = leaf.glsl;
    Type floats = Type::vector(BaseType::Float, n);
    if (n < leaf.size) {
        v += std::string(".") + swizzles[n];
    } else if (n > leaf.size) {
        std::string padded = "vec" + std::to_string(n) + "(" + v;
        for (int i = leaf.size; i < n; ++i) padded += i == 3 ? ", 1.0" : ", 0.0";
        v = padded + ")";
    }
    return w.convert(v, floats, leaf.type);
}

// `value` of the leaf's type written to a fixed-function value of `size`
// components: missing components are 0 and w is 1.
std::string writeOutput(const GlslWriter& w, const VaryingLeaf& leaf, const std::string& value) {
    int n = leaf.type.components();
    std::string v = w.convert(value, leaf.type, Type::vector(BaseType::Float, n));
    if (n > leaf.size) return "(" + v + ")." + swizzles[leaf.size];
    if (n < leaf.size) {
        std::string padded = "vec" + std::to_string(leaf.size) + "(" + v;
        for (int i = n; i < leaf.size; ++i) padded += i == 3 ? ", 1.0" : ", 0.0";
        return padded + ")";
    }
    return v;
}

}  // namespace

std::string writeProgram(const Module& module, const EntryInterface& entry, Stage stage) {
    GlslWriter w(stage);
    std::string declarations, functions, main;

    for (const auto& s : module.structs) {
        declarations += "struct " + glslIdentifier(NameKind::Struct, s->name, stage) + "\n{\n";
        for (const StructMember& m : s->members)
            declarations += "    " + w.declaration(m.type, glslIdentifier(NameKind::Member, m.name, stage)) + ";\n";
        declarations += "};\n";
    }
    // Every uniform global is declared, also those only a global's initial
    // value reads; the GLSL compiler drops the ones nothing uses.
    std::vector<const VarDecl*> uniforms;
    for (const VarDeclPtr& g : module.globals)
        if (g->isUniform) uniforms.push_back(g.get());
    for (const EntryParam& p : entry.params)
        if (p.decl->isUniform) uniforms.push_back(p.decl);
    for (const VarDecl* u : uniforms) {
        if (u->type.element().base == BaseType::SamplerRect) w.usesRect = true;
        declarations += "uniform " + w.declaration(u->type, glslIdentifier(NameKind::Uniform, u->name, stage)) + ";\n";
    }
    for (const AttributeBinding& a : entry.attributes) declarations += "attribute vec4 " + a.glslName + ";\n";
    for (const VarDeclPtr& g : module.globals)
        if (!g->isUniform || g->written) declarations += w.declaration(g->type, w.variableName(*g)) + ";\n";

    for (const FunctionDecl* f : entry.reachable) functions += w.function(*f, true);
    for (const FunctionDecl* f : entry.reachable) functions += "\n" + w.function(*f, false);

    main = "\nvoid main()\n{\n";
    for (const VarDeclPtr& g : module.globals)
        if (g->isUniform && g->written)
            main += "    " + w.variableName(*g) + " = " + glslIdentifier(NameKind::Uniform, g->name, stage) + ";\n";
    for (const VarDeclPtr& g : module.globals)
        if (!g->isUniform && g->init) main += "    " + w.variableName(*g) + " = " + w.expression(*g->init) + ";\n";
    std::string callArgs;
    for (size_t i = 0; i < entry.params.size(); ++i) {
        const EntryParam& p = entry.params[i];
        std::string name = p.decl->isUniform ? glslIdentifier(NameKind::Uniform, p.decl->name, stage)
                                             : "cg_arg" + std::to_string(i);
        callArgs += (i ? ", " : "") + name;
        if (p.decl->isUniform) continue;
        main += "    " + w.declaration(p.decl->type, name) + ";\n";
        for (const VaryingLeaf& leaf : p.inputs) main += "    " + name + leaf.access + " = " + readInput(w, leaf) + ";\n";
    }
    std::string call = w.functionName(*entry.entry) + "(" + callArgs + ")";
    if (entry.entry->returnType.base == BaseType::Void) {
        main += "    " + call + ";\n";
    } else {
        main += "    " + w.declaration(entry.entry->returnType, "cg_result") + " = " + call + ";\n";
        for (const VaryingLeaf& leaf : entry.results)
            main += "    " + leaf.glsl + " = " + writeOutput(w, leaf, "cg_result" + leaf.access) + ";\n";
    }
    for (size_t i = 0; i < entry.params.size(); ++i)
        for (const VaryingLeaf& leaf : entry.params[i].outputs) {
            std::string value = "cg_arg" + std::to_string(i) + leaf.access;
            main += "    " + leaf.glsl + " = " + writeOutput(w, leaf, value) + ";\n";
        }
    main += "}\n";

    std::string header = "#version 120\n";
    if (w.usesRect) header += "#extension GL_ARB_texture_rectangle : enable\n";
    if (w.usesTextureLod && stage == Stage::Fragment) header += "#extension GL_ARB_shader_texture_lod : require\n";
    return header + declarations + w.helpers() + functions + main;
}

}  // namespace cgc
