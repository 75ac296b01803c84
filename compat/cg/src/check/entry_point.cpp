#include "check/entry_point.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "base/semantics.h"
#include "base/naming.h"

namespace cgc {
namespace {

const char* stageName(Stage s) { return s == Stage::Vertex ? "vertex" : "fragment"; }

class EntryAnalyzer {
public:
    EntryAnalyzer(const Module& m, Stage s, Diagnostics& d, EntryInterface& o, const ProfileRules& r)
        : module(m), stage(s), diag(d), out(o), rules(r) {}

    bool run(const std::string& entryName) {
        const FunctionDecl* entry = nullptr;
        for (const FunctionDeclPtr& f : module.functions)
            if (f->name == entryName && f->body) {
                if (entry) {
                    diag.error(f->line, "entry function '" + entryName + "' is overloaded");
                    return false;
                }
                entry = f.get();
            }
        if (!entry) {
            diag.error(0, "entry function '" + entryName + "' is not defined");
            return false;
        }
        out.entry = entry;
        reach(entry);
        for (const FunctionDecl* f : out.reachable) stageChecks(*f);
        for (const VarDeclPtr& g : module.globals)
            if (g->isUniform) uniform(*g, g->name, glslIdentifier(NameKind::Uniform, g->name, stage), g->type, g.get());
        for (const VarDeclPtr& p : entry->params) parameter(*p);
        results();
        return !diag.hasErrors();
    }

private:
    const Module& module;
    Stage stage;
    Diagnostics& diag;
    EntryInterface& out;
    const ProfileRules& rules;
    std::set<std::string> outputsBound;
    int samplerUnits = 0;

    void reach(const FunctionDecl* entry) {
        // Depth-first: a function is listed after all it calls; a call back
        // into a function still open is recursion, which GLSL cannot express.
        std::map<const FunctionDecl*, int> state;  // 1 open, 2 done
        std::function<void(const FunctionDecl*, int)> visit = [&](const FunctionDecl* f, int line) {
            const FunctionDecl* def = f->definition ? f->definition : (f->body ? f : nullptr);
            if (!def) {
                diag.error(line, "function '" + f->name + "' is declared but never defined");
                return;
            }
            int& s = state[def];
            if (s == 1) {
                diag.error(line, "'" + def->name + "' calls itself; recursion is not supported");
                return;
            }
            if (s == 2) return;
            s = 1;
            for (const FunctionDecl* callee : def->calls) visit(callee, def->line);
            state[def] = 2;
            out.reachable.push_back(def);
        };
        visit(entry, entry->line);
    }

    void stageChecks(const FunctionDecl& f) {
        if (f.unavailableLine)
            diag.error(f.unavailableLine, "'" + f.unavailableName + "' is not available in the arbvp1 and arbfp1 profiles");
        if (stage == Stage::Fragment) return;
        if (f.discardLine) diag.error(f.discardLine, "'discard' and 'clip' are only available in fragment programs");
        if (f.textureLine && !rules.vertexTextureFetch)
            diag.error(f.textureLine, "texture lookups are only available in fragment programs in this profile "
                                      "(vp40 and glslv have them in vertex programs too)");
        if (f.derivativeLine) diag.error(f.derivativeLine, "'ddx' and 'ddy' are only available in fragment programs");
    }

    void uniform(const VarDecl& decl, const std::string& name, const std::string& glsl, const Type& type,
                 const VarDecl* withInit) {
        size_t first = out.uniforms.size();
        leaves(name, glsl, type, decl.line);
        if (!withInit || !withInit->init) return;
        std::vector<float> value;
        if (!constantValue(*withInit->init, value)) {
            diag.error(decl.line, "the initial value of uniform '" + decl.name + "' must be a constant");
            return;
        }
        size_t at = 0;
        for (size_t i = first; i < out.uniforms.size(); ++i) {
            UniformLeaf& leaf = out.uniforms[i];
            if (leaf.type.isSampler()) continue;
            for (float& v : leaf.value)
                if (at < value.size()) v = value[at++];
        }
    }

    void leaves(const std::string& name, const std::string& glsl, const Type& type, int line) {
        if (type.isArray()) {
            for (int i = 0; i < type.arraySize; ++i)
                leaves(name + "[" + std::to_string(i) + "]", glsl + "[" + std::to_string(i) + "]", type.element(), line);
            return;
        }
        if (type.isStruct()) {
            for (const StructMember& m : type.structInfo->members)
                leaves(name + "." + m.name, glsl + "." + glslIdentifier(NameKind::Member, m.name, stage), m.type, line);
            return;
        }
        UniformLeaf leaf;
        leaf.name = name;
        leaf.glslName = glsl;
        leaf.type = type;
        if (type.isSampler()) {
            if (samplerUnits >= 16) diag.error(line, "a program can use at most 16 samplers");
            leaf.unit = samplerUnits++;
        } else {
            leaf.value.assign(static_cast<size_t>(type.components()), 0.0f);
        }
        out.uniforms.push_back(leaf);
    }

    // Flattens a varying into leaves with their semantics.
    void varying(const std::string& what, const std::string& access, const Type& type, const std::string& semantic,
                 bool output, int line, std::vector<VaryingLeaf>& into, bool member = false) {
        if (type.isStruct()) {
            for (const StructMember& m : type.structInfo->members)
                varying(what + "." + m.name, access + "." + glslIdentifier(NameKind::Member, m.name, stage), m.type,
                        m.semantic, output, m.line ? m.line : line, into, true);
            return;
        }
        if (member && semantic.empty()) {
            // A member without a semantic is bound to nothing: an input reads
            // as zero, an output goes nowhere.
            if (!output && (type.isScalar() || type.isVector())) into.push_back({access, type, "", 0});
            return;
        }
        if (type.isArray() || !(type.isScalar() || type.isVector())) {
            diag.error(line, what + " of type " + typeName(type) + " cannot be passed between stages");
            return;
        }
        if (semantic.empty()) {
            diag.error(line, what + " needs a semantic (such as : TEXCOORD0) or 'uniform'");
            return;
        }
        SemanticBinding b;
        if (!bindSemantic(stage, output, semantic, b)) {
            diag.error(line, "semantic " + semantic + " is not available as " + stageName(stage) +
                                 (output ? " output" : " input"));
            return;
        }
        if (output && !outputsBound.insert(b.glsl).second) {
            diag.error(line, "semantic " + semantic + " is written twice");
            return;
        }
        if (b.attribute > 0) {
            bool known = false;
            for (const AttributeBinding& a : out.attributes) known = known || a.index == b.attribute;
            if (!known) out.attributes.push_back({b.glsl, b.attribute});
        }
        into.push_back({access, type, b.glsl, b.size});
    }

    void parameter(const VarDecl& p) {
        EntryParam param{&p, {}, {}};
        if (p.isUniform) {
            uniform(p, p.name, glslIdentifier(NameKind::Uniform, p.name, stage), p.type, nullptr);
        } else if (p.type.element().isSampler()) {
            diag.error(p.line, "sampler parameter '" + p.name + "' of the entry function must be uniform");
        } else {
            std::string what = "parameter '" + p.name + "'";
            if (p.isIn) varying(what, "", p.type, p.semantic, false, p.line, param.inputs);
            if (p.isOut) varying(what, "", p.type, p.semantic, true, p.line, param.outputs);
        }
        out.params.push_back(std::move(param));
    }

    void results() {
        const FunctionDecl& f = *out.entry;
        if (f.returnType.base != BaseType::Void)
            varying("the return value of '" + f.name + "'", "", f.returnType, f.returnSemantic, true, f.line, out.results);
        if (stage == Stage::Vertex && !diag.hasErrors() && !outputsBound.count("gl_Position"))
            diag.error(f.line, "vertex program '" + f.name + "' does not write POSITION");
    }
};

}  // namespace

bool analyzeEntry(const Module& module, Stage stage, const std::string& entry, Diagnostics& diagnostics,
                  EntryInterface& out, const ProfileRules& rules) {
    return EntryAnalyzer(module, stage, diagnostics, out, rules).run(entry);
}

}  // namespace cgc
