// What each member of `glstate` is in GLSL: the built-in uniform state of
// GLSL 1.20. Our matrices hold a Cg matrix's rows in GLSL's columns, so
// glstate.matrix.mvp is GLSL's transpose of the modelview-projection
// matrix, and glstate.matrix.transpose.mvp is GLSL's matrix itself.
#include <map>

#include "generate/glsl_writer.h"

namespace cgc {
namespace {

const VarDecl* stateRoot(const Expr& e) {
    if (e.kind == ExprKind::Name) return e.var && e.var->isGlState ? e.var : nullptr;
    if (e.kind == ExprKind::Member || e.kind == ExprKind::Index) return stateRoot(*e.args[0]);
    return nullptr;
}

std::string matrix(const std::string& set, const std::string& which, const std::string& index) {
    static const std::map<std::string, const char*> names = {
        {"mvp", "gl_ModelViewProjectionMatrix"}, {"modelview", "gl_ModelViewMatrix"},
        {"projection", "gl_ProjectionMatrix"}, {"texture", "gl_TextureMatrix"}};
    static const std::map<std::string, const char*> suffixes = {
        {"", "Transpose"}, {"inverse", "InverseTranspose"}, {"transpose", ""}, {"invtrans", "Inverse"}};
    std::string name = std::string(names.at(which)) + suffixes.at(set);
    return which == "texture" ? name + "[" + index + "]" : name;
}

}  // namespace

bool GlslWriter::isGlStateAccess(const Expr& e) const {
    if (e.kind != ExprKind::Member && e.kind != ExprKind::Index) return false;
    const Type& base = e.args[0]->type;
    // A member of one of glstate's structs, or an element of one of its arrays.
    return (base.isStruct() || base.isArray()) && stateRoot(e) != nullptr;
}

std::string GlslWriter::glState(const Expr& e) {
    // The path below glstate, indices written out: {"light", "[i]", "diffuse"}.
    std::vector<std::string> path;
    for (const Expr* at = &e; at->kind != ExprKind::Name; at = at->args[0].get())
        path.insert(path.begin(), at->kind == ExprKind::Member ? at->text : expression(*at->args[1]));
    auto part = [&](size_t i) { return i < path.size() ? path[i] : std::string(); };
    const std::string& group = path[0];
    if (group == "matrix") {
        bool set = part(1) == "inverse" || part(1) == "transpose" || part(1) == "invtrans";
        std::string which = set ? part(2) : part(1);
        std::string index = set ? part(3) : part(2);
        return matrix(set ? part(1) : "", which, index);
    }
    if (group == "light") {
        std::string light = "gl_LightSource[" + part(1) + "]";
        const std::string& m = part(2);
        if (m == "attenuation")
            return "vec4(" + light + ".constantAttenuation, " + light + ".linearAttenuation, " + light +
                   ".quadraticAttenuation, " + light + ".spotExponent)";
        if (m == "spot") return "vec4(" + light + ".spotDirection, " + light + ".spotCosCutoff)";
        if (m == "half") return "vec4(" + light + ".halfVector.xyz, 1.0)";
        return light + "." + m;
    }
    if (group == "material") {
        if (part(1) == "shininess") return "vec4(gl_FrontMaterial.shininess, 0.0, 0.0, 1.0)";
        return "gl_FrontMaterial." + part(1);
    }
    if (group == "lightmodel")
        return part(1) == "ambient" ? "gl_LightModel.ambient" : "gl_FrontLightModelProduct.sceneColor";
    if (group == "fog")
        return part(1) == "color" ? "gl_Fog.color" : "vec4(gl_Fog.density, gl_Fog.start, gl_Fog.end, gl_Fog.scale)";
    if (group == "clip") return "gl_ClipPlane[" + part(1) + "]";
    if (group == "point") {
        if (part(1) == "size") return "vec4(gl_Point.size, gl_Point.sizeMin, gl_Point.sizeMax, gl_Point.fadeThresholdSize)";
        return "vec4(gl_Point.distanceConstantAttenuation, gl_Point.distanceLinearAttenuation, "
               "gl_Point.distanceQuadraticAttenuation, 1.0)";
    }
    if (group == "depth") return "vec4(gl_DepthRange.near, gl_DepthRange.far, gl_DepthRange.diff, 1.0)";
    // texgen[i].eye.s and the like.
    std::string plane = part(3);
    for (char& c : plane) c = static_cast<char>(c - 'a' + 'A');
    return std::string(part(2) == "eye" ? "gl_EyePlane" : "gl_ObjectPlane") + plane + "[" + part(1) + "]";
}

}  // namespace cgc
