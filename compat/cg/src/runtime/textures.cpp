// Sampler parameters: the recorded texture and its unit.
#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
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

}  // namespace

extern "C" {

void cgGLSetTextureParameter(CGparameter param, unsigned int texture) {
    if (checkSampler(param)) param->texture = texture;
}

unsigned int cgGLGetTextureParameter(CGparameter param) { return checkSampler(param) ? param->texture : 0; }

void cgGLEnableTextureParameter(CGparameter param) {
    if (checkSampler(param)) bindOnUnit(*param, param->texture);
}

void cgGLDisableTextureParameter(CGparameter param) {
    if (checkSampler(param)) bindOnUnit(*param, 0);
}

}  // extern "C"
