// Sampler parameters: the recorded texture and its unit, and the textures
// the runtime manages for bound programs.
#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/gl_debug.h"
#include "runtime/managed_textures.h"
#include "runtime/parameter_checks.h"

using namespace cgrt;

namespace {

GLenum textureTarget(cgc::BaseType sampler) {
    switch (sampler) {
    case cgc::BaseType::Sampler1D: return GL_TEXTURE_1D;
    case cgc::BaseType::Sampler3D: return GL_TEXTURE_3D;
    case cgc::BaseType::SamplerCube: return GL_TEXTURE_CUBE_MAP;
    case cgc::BaseType::SamplerRect: return GL_TEXTURE_RECTANGLE_ARB;
    default: return GL_TEXTURE_2D;
    }
}

void bindOnUnit(const _CGparameter& p, GLuint texture) {
    if (!loadGL()) return raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    gl.glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(p.leaf.unit));
    gl.glBindTexture(textureTarget(p.leaf.type.base), texture);
    gl.glActiveTexture(GL_TEXTURE0);
}

// A sampler of a program: parameters of the context have no unit.
bool checkProgramSampler(CGparameter p) {
    if (!checkSampler(p)) return false;
    if (p->program && p->leaf.unit >= 0) return true;
    raise(CG_INVALID_PROFILE_ERROR, "(a shared parameter has no texture unit: connect it to a program's sampler)");
    return false;
}

// The programs whose textures management bound, per stage.
const _CGprogram* managedVertex = nullptr;
const _CGprogram* managedFragment = nullptr;

}  // namespace

namespace cgrt {

void bindProgramTextures(const _CGprogram& program) {
    for (const _CGparameter* p : program.uniforms)
        if (p->leaf.type.isSampler() && p->leaf.unit >= 0) bindOnUnit(*p, p->texture);
    (program.stage == cgc::Stage::Vertex ? managedVertex : managedFragment) = &program;
}

void releaseManagedTextures(cgc::Stage stage) {
    const _CGprogram*& managed = stage == cgc::Stage::Vertex ? managedVertex : managedFragment;
    if (managed && validProgram(const_cast<_CGprogram*>(managed)) && gl.loaded)
        for (const _CGparameter* p : managed->uniforms)
            if (p->leaf.type.isSampler() && p->leaf.unit >= 0) bindOnUnit(*p, 0);
    managed = nullptr;
}

}  // namespace cgrt

extern "C" {

void cgGLSetTextureParameter(CGparameter param, unsigned int texobj) {
    if (!checkSampler(param)) return;
    param->texture = texobj;
    valueChanged(*param);
}

unsigned int cgGLGetTextureParameter(CGparameter param) { return checkSampler(param) ? param->texture : 0; }

void cgGLEnableTextureParameter(CGparameter param) {
    if (!checkProgramSampler(param)) return;
    bindOnUnit(*param, param->texture);
    checkGLErrors(CG_INVALID_PARAMETER_ERROR, "cgGLEnableTextureParameter");
}

void cgGLDisableTextureParameter(CGparameter param) {
    if (!checkProgramSampler(param)) return;
    bindOnUnit(*param, 0);
    checkGLErrors(CG_INVALID_PARAMETER_ERROR, "cgGLDisableTextureParameter");
}

unsigned int cgGLGetTextureEnum(CGparameter param) {
    if (!checkProgramSampler(param)) return GL_INVALID_OPERATION;
    return GL_TEXTURE0 + static_cast<GLenum>(param->leaf.unit);
}

void cgGLSetManageTextureParameters(CGcontext context, CGbool flag) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    context->manageTextures = flag != CG_FALSE;
}

CGbool cgGLGetManageTextureParameters(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return CG_FALSE;
    }
    return context->manageTextures ? CG_TRUE : CG_FALSE;
}

}  // extern "C"
