// Profile names, the latest and supported profiles, and per-program profiles.
#include "runtime/profiles.h"

#include <cstdio>
#include <cstring>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/runtime_state.h"

namespace cgrt {
namespace {

const cgc::ProfileRules plain{};
const cgc::ProfileRules vertexTextures{true};
const cgc::ProfileRules es{true, true};

const ProfileInfo profiles[] = {
    {CG_PROFILE_ARBVP1, "arbvp1", cgc::Stage::Vertex, plain},
    {CG_PROFILE_ARBFP1, "arbfp1", cgc::Stage::Fragment, plain},
    {CG_PROFILE_VP20, "vp20", cgc::Stage::Vertex, plain},
    {CG_PROFILE_FP20, "fp20", cgc::Stage::Fragment, plain},
    {CG_PROFILE_VP30, "vp30", cgc::Stage::Vertex, plain},
    {CG_PROFILE_FP30, "fp30", cgc::Stage::Fragment, plain},
    {CG_PROFILE_VP40, "vp40", cgc::Stage::Vertex, vertexTextures},
    {CG_PROFILE_FP40, "fp40", cgc::Stage::Fragment, plain},
    {CG_PROFILE_GLSLV, "glslv", cgc::Stage::Vertex, vertexTextures},
    {CG_PROFILE_GLSLF, "glslf", cgc::Stage::Fragment, plain},
    {CG_PROFILE_GLSLESV, "glslesv", cgc::Stage::Vertex, es},
    {CG_PROFILE_GLSLESF, "glslesf", cgc::Stage::Fragment, es},
};

// The context must run what the runtime writes for it: GLSL 1.20 (OpenGL
// 2.1, or 2.0 with a 1.20 compiler), or on ES, GLSL ES 3.00.
bool contextRunsGlsl120() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_SHADING_LANGUAGE_VERSION));
    if (!version || !loadGL()) return false;
    int major = 0, minor = 0;
    const bool es = std::strncmp(version, "OpenGL ES GLSL ES ", 18) == 0;
    if (std::sscanf(es ? version + 18 : version, "%d.%d", &major, &minor) != 2) return false;
    if (es) return major >= 3;
    return major > 1 || (major == 1 && minor >= 20);
}

}  // namespace

const ProfileInfo* findProfile(CGprofile profile) {
    for (const ProfileInfo& p : profiles)
        if (p.profile == profile) return &p;
    return nullptr;
}

bool currentContextIsES() {
#ifdef __EMSCRIPTEN__
    // Every context a browser gives is WebGL, which is OpenGL ES. Asking
    // would cost a call into JavaScript, and the runtime asks for every
    // texture and matrix it sets.
    return true;
#else
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    return version && std::strncmp(version, "OpenGL ES", 9) == 0;
#endif
}

cgc::ProfileRules compileRules(const ProfileInfo& profile) {
    cgc::ProfileRules rules = profile.rules;
    if (currentContextIsES()) rules.es = true;
    return rules;
}

}  // namespace cgrt

using namespace cgrt;

extern "C" {

CGprofile cgGetProgramProfile(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return CG_PROFILE_UNKNOWN;
    }
    return program->profile;
}

CGbool cgGLIsProfileSupported(CGprofile profile) {
    return findProfile(profile) && contextRunsGlsl120() ? CG_TRUE : CG_FALSE;
}

CGprofile cgGLGetLatestProfile(CGGLenum profileClass) {
    noContext();
    if (profileClass != CG_GL_VERTEX && profileClass != CG_GL_FRAGMENT) {
        raise(CG_INVALID_ENUMERANT_ERROR);
        return CG_PROFILE_UNKNOWN;
    }
    if (!contextRunsGlsl120()) return CG_PROFILE_UNKNOWN;
    if (currentContextIsES()) return profileClass == CG_GL_VERTEX ? CG_PROFILE_GLSLESV : CG_PROFILE_GLSLESF;
    return profileClass == CG_GL_VERTEX ? CG_PROFILE_GLSLV : CG_PROFILE_GLSLF;
}

void cgGLSetOptimalOptions(CGprofile profile) {
    noContext();
    // Every profile compiles the same way, so there is nothing to tune.
    if (!findProfile(profile)) raise(CG_INVALID_PROFILE_ERROR);
}

}  // extern "C"
