// Lookups whose coordinates carry a depth (tex2Dproj(sampler2D, float4),
// tex2D(sampler2D, float3), ...) compare that depth with the texel only when
// the texture asks for it: a depth texture with its compare mode on, as the
// texture unit did when Cg ran on its own drivers. A GLSL 1.20 sampler
// cannot tell, so the runtime sets an int uniform per sampler uniform (0: a
// plain lookup, else the comparison), and functions that take samplers get
// the modes of their arguments through globals set at each call.
#include <cctype>

#include "base/naming.h"
#include "generate/glsl_writer.h"

namespace cgc {

std::string compareFlagName(const std::string& samplerGlslName) {
    std::string name = "cgcmp_";
    for (char c : samplerGlslName) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

std::vector<std::string> samplerPaths(const Type& t, Stage stage) {
    if (t.isArray()) {
        std::vector<std::string> paths;
        for (const std::string& inner : samplerPaths(t.element(), stage))
            for (int i = 0; i < t.arraySize; ++i) paths.push_back("[" + std::to_string(i) + "]" + inner);
        return paths;
    }
    if (t.isSampler()) return {""};
    std::vector<std::string> paths;
    if (t.isStruct() && t.structInfo)
        for (const StructMember& m : t.structInfo->members)
            for (const std::string& inner : samplerPaths(m.type, stage))
                paths.push_back("." + glslIdentifier(NameKind::Member, m.name, stage) + inner);
    return paths;
}

std::string GlslWriter::paramFlag(const FunctionDecl& f, const std::string& path) const {
    return compareFlagName(functionName(f) + "_" + path);
}

// The mode of the sampler that `sampler` (GLSL text) names: one of the
// current function's parameters, a sampler uniform, or else no comparison.
std::string GlslWriter::flagFor(const std::string& sampler) const {
    if (current)
        for (const VarDeclPtr& p : current->params)
            for (const std::string& path : samplerPaths(p->type, stage))
                if (sampler == variableName(*p) + path) return paramFlag(*current, variableName(*p) + path);
    auto found = uniformFlags.find(sampler);
    return found == uniformFlags.end() ? "0" : found->second;
}

std::string GlslWriter::passFlags(const FunctionDecl& f, const std::vector<std::string>& args) {
    std::string assignments;
    for (size_t i = 0; i < f.params.size() && i < args.size(); ++i)
        for (const std::string& path : samplerPaths(f.params[i]->type, stage)) {
            std::string global = paramFlag(f, variableName(*f.params[i]) + path);
            paramFlags.insert(global);
            assignments += (assignments.empty() ? "" : ", ") + global + " = " + flagFor(args[i] + path);
        }
    return assignments;
}

std::string GlslWriter::flagGlobals() const {
    std::string s;
    for (const std::string& g : paramFlags) s += "int " + g + ";\n";
    return s;
}

}  // namespace cgc
