// Sampler parameters: the recorded texture and its unit, and the textures
// the runtime manages for bound programs.
#include <map>
#include <set>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/gl_debug.h"
#include "runtime/managed_textures.h"
#include "runtime/parameter_checks.h"
#include "runtime/profiles.h"

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
    if (p.leaf.unit != 0) gl.glActiveTexture(GL_TEXTURE0);
}

// bindOnUnit, then what the pair in use must know of the texture now there.
void bindAndTell(const _CGparameter& p, GLuint texture) {
    bindOnUnit(p, texture);
    refreshCompareModes();
}

GLenum bindingOf(GLenum target) {
    switch (target) {
    case GL_TEXTURE_1D: return GL_TEXTURE_BINDING_1D;
    case GL_TEXTURE_RECTANGLE_ARB: return GL_TEXTURE_BINDING_RECTANGLE_ARB;
    default: return GL_TEXTURE_BINDING_2D;
    }
}

// Depth textures whose compare mode the runtime turned off while a program
// in use compares in its own code (a plain sampler reading a texture that
// compares is undefined in OpenGL): texture name -> target and comparison.
struct Suspended {
    GLenum target;
    int mode;
};
std::map<GLuint, Suspended> suspended;

void restore(GLuint texture, const Suspended& was) {
    static const GLenum funcs[] = {GL_LEQUAL, GL_GEQUAL, GL_LESS, GL_GREATER, GL_EQUAL, GL_NOTEQUAL, GL_ALWAYS, GL_NEVER};
    GLint bound = 0;
    glGetIntegerv(bindingOf(was.target), &bound);
    gl.glBindTexture(was.target, texture);
    glTexParameteri(was.target, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_R_TO_TEXTURE);
    glTexParameteri(was.target, GL_TEXTURE_COMPARE_FUNC, static_cast<GLint>(funcs[was.mode - 1]));
    gl.glBindTexture(was.target, static_cast<GLuint>(bound));
}

// 0 when lookups of the texture on p's unit (the recorded one, or else the
// one bound there) are plain; else its comparison, 1 to 8 for LEQUAL,
// GEQUAL, LESS, GREATER, EQUAL, NOTEQUAL, ALWAYS, NEVER. A comparing
// texture is suspended (its compare mode off) and noted in `used`.
int compareMode(const _CGparameter& p, std::set<GLuint>& used) {
    // OpenGL ES 3.0 and WebGL 2 cannot ask a texture for its depth bits, and
    // their comparing lookups need shadow samplers: lookups there are plain.
    if (currentContextIsES()) return 0;
    GLenum target = textureTarget(p.leaf.type.base);
    if (target != GL_TEXTURE_1D && target != GL_TEXTURE_2D && target != GL_TEXTURE_RECTANGLE_ARB) return 0;
    GLint active = 0, bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    gl.glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(p.leaf.unit));
    glGetIntegerv(bindingOf(target), &bound);
    GLuint texture = p.texture ? p.texture : static_cast<GLuint>(bound);
    int mode = 0;
    if (texture) {
        gl.glBindTexture(target, texture);
        GLint depthBits = 0, compare = GL_NONE, func = GL_LEQUAL;
        glGetTexLevelParameteriv(target, 0, GL_TEXTURE_DEPTH_SIZE, &depthBits);
        glGetTexParameteriv(target, GL_TEXTURE_COMPARE_MODE, &compare);
        glGetTexParameteriv(target, GL_TEXTURE_COMPARE_FUNC, &func);
        static const GLenum funcs[] = {GL_LEQUAL, GL_GEQUAL, GL_LESS, GL_GREATER, GL_EQUAL, GL_NOTEQUAL, GL_ALWAYS, GL_NEVER};
        if (depthBits > 0 && compare == GL_COMPARE_R_TO_TEXTURE) {
            for (int i = 0; i < 8; ++i)
                if (funcs[i] == static_cast<GLenum>(func)) mode = i + 1;
            glTexParameteri(target, GL_TEXTURE_COMPARE_MODE, GL_NONE);
            suspended[texture] = {target, mode};
        } else if (depthBits > 0 && suspended.count(texture)) {
            mode = suspended[texture].mode;
        }
        if (mode) used.insert(texture);
        gl.glBindTexture(target, static_cast<GLuint>(bound));
    }
    gl.glActiveTexture(static_cast<GLenum>(active));
    return mode;
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

void refreshCompareModes() {
    if (!gl.loaded) return;
    // Lookups on ES are plain (compareMode), and with nothing suspended there
    // is nothing to give back: this runs at every texture bind.
    if (suspended.empty() && currentContextIsES()) return;
    std::set<GLuint> used;
    if (LinkedPair* pair = state().active)
        for (auto& [param, location] : pair->compareLocations) {
            if (location < 0 || !validParameter(const_cast<_CGparameter*>(param))) continue;
            int mode = compareMode(*param, used);
            int& sent = pair->compareSent[param];
            if (sent != mode) gl.glUniform1i(location, mode);
            sent = mode;
        }
    // Textures no program in use compares any more get their compare mode back.
    for (auto it = suspended.begin(); it != suspended.end();) {
        if (used.count(it->first)) {
            ++it;
            continue;
        }
        if (glIsTexture(it->first)) restore(it->first, it->second);
        it = suspended.erase(it);
    }
}

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
    if (gl.loaded) refreshCompareModes();
}

unsigned int cgGLGetTextureParameter(CGparameter param) { return checkSampler(param) ? param->texture : 0; }

void cgGLEnableTextureParameter(CGparameter param) {
    if (!checkProgramSampler(param)) return;
    bindAndTell(*param, param->texture);
    checkGLErrors(CG_INVALID_PARAMETER_ERROR, "cgGLEnableTextureParameter");
}

void cgGLDisableTextureParameter(CGparameter param) {
    if (!checkProgramSampler(param)) return;
    bindAndTell(*param, 0);
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
