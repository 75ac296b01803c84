#include "check/gl_state.h"

namespace cgc {
namespace {

Type matrix4() {
    Type t = Type::scalar(BaseType::Float);
    t.shape = Shape::Matrix;
    t.rows = t.cols = 4;
    return t;
}

Type arrayOf(Type t, int size) {
    t.arraySize = size;
    return t;
}

class Builder {
public:
    explicit Builder(Module& m) : module(m) {}

    // A struct of the given members, owned by the module.
    Type make(const std::string& name, const std::vector<std::pair<const char*, Type>>& members) {
        auto info = std::make_unique<StructInfo>();
        info->name = name;
        for (const auto& [member, type] : members) info->members.push_back({member, type, "", 0});
        Type t = Type::scalar(BaseType::Struct);
        t.structInfo = info.get();
        module.stateStructs.push_back(std::move(info));
        return t;
    }

private:
    Module& module;
};

}  // namespace

void declareGlState(Module& module) {
    if (module.glstate) return;
    Builder b(module);
    const Type v4 = Type::vector(BaseType::Float, 4), m4 = matrix4();
    // modelview has one matrix: GLSL has no vertex-blend matrices.
    auto matrices = [&]() {
        return std::vector<std::pair<const char*, Type>>{
            {"mvp", m4}, {"modelview", arrayOf(m4, 1)}, {"projection", m4}, {"texture", arrayOf(m4, 8)}};
    };
    Type matrixSet = b.make("glstate_matrices", matrices());
    std::vector<std::pair<const char*, Type>> matrixMembers = matrices();
    matrixMembers.push_back({"inverse", matrixSet});
    matrixMembers.push_back({"transpose", matrixSet});
    matrixMembers.push_back({"invtrans", matrixSet});
    Type matrix = b.make("glstate_matrix", matrixMembers);
    Type spot = b.make("glstate_spot", {{"direction", v4}});
    Type light = b.make("glstate_light", {{"ambient", v4}, {"diffuse", v4}, {"specular", v4}, {"position", v4},
                                          {"attenuation", v4}, {"half", v4}, {"spot", spot}});
    Type material = b.make("glstate_material",
                           {{"ambient", v4}, {"diffuse", v4}, {"specular", v4}, {"emission", v4}, {"shininess", v4}});
    Type lightmodel = b.make("glstate_lightmodel", {{"ambient", v4}, {"scenecolor", v4}});
    Type fog = b.make("glstate_fog", {{"color", v4}, {"params", v4}});
    Type clip = b.make("glstate_clip", {{"plane", v4}});
    Type point = b.make("glstate_point", {{"size", v4}, {"attenuation", v4}});
    Type depth = b.make("glstate_depth", {{"range", v4}});
    Type planes = b.make("glstate_planes", {{"s", v4}, {"t", v4}, {"r", v4}, {"q", v4}});
    Type texgen = b.make("glstate_texgen", {{"eye", planes}, {"object", planes}});
    Type state = b.make("glstate", {{"matrix", matrix}, {"light", arrayOf(light, 8)}, {"material", material},
                                    {"lightmodel", lightmodel}, {"fog", fog}, {"clip", arrayOf(clip, 6)},
                                    {"point", point}, {"depth", depth}, {"texgen", arrayOf(texgen, 8)}});
    module.glstate = std::make_unique<VarDecl>();
    module.glstate->name = "glstate";
    module.glstate->type = state;
    module.glstate->isGlobal = true;
    module.glstate->isConst = true;
    module.glstate->isGlState = true;
}

}  // namespace cgc
