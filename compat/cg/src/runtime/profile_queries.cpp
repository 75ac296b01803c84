// Every profile the Cg headers name, what each is, and which of them this
// library compiles for; the OpenGL side's options and GLSL versions.
#include <cstdio>
#include <cstring>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/profiles.h"
#include "runtime/runtime_state.h"

using namespace cgrt;

namespace {

enum Api { OpenGL, D3D8, D3D9, D3D10, D3D11, Generic };
enum Language { Assembly, Glsl, Hlsl };

const struct NamedProfile {
    CGprofile profile;
    const char* name;
    CGdomain domain;
    Api api;
    Language language;
} named[] = {
    {CG_PROFILE_VP20, "vp20", CG_VERTEX_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_FP20, "fp20", CG_FRAGMENT_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_VP30, "vp30", CG_VERTEX_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_FP30, "fp30", CG_FRAGMENT_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_ARBVP1, "arbvp1", CG_VERTEX_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_ARBFP1, "arbfp1", CG_FRAGMENT_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_VP40, "vp40", CG_VERTEX_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_FP40, "fp40", CG_FRAGMENT_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GLSLV, "glslv", CG_VERTEX_DOMAIN, OpenGL, Glsl},
    {CG_PROFILE_GLSLF, "glslf", CG_FRAGMENT_DOMAIN, OpenGL, Glsl},
    {CG_PROFILE_GLSLESV, "glslesv", CG_VERTEX_DOMAIN, OpenGL, Glsl},
    {CG_PROFILE_GLSLESF, "glslesf", CG_FRAGMENT_DOMAIN, OpenGL, Glsl},
    {CG_PROFILE_GLSLG, "glslg", CG_GEOMETRY_DOMAIN, OpenGL, Glsl},
    {CG_PROFILE_GLSLC, "glslc", CG_UNKNOWN_DOMAIN, OpenGL, Glsl},
    {CG_PROFILE_GP4VP, "gp4vp", CG_VERTEX_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GP4FP, "gp4fp", CG_FRAGMENT_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GP4GP, "gp4gp", CG_GEOMETRY_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GP5VP, "gp5vp", CG_VERTEX_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GP5FP, "gp5fp", CG_FRAGMENT_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GP5GP, "gp5gp", CG_GEOMETRY_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GP5TCP, "gp5tcp", CG_TESSELLATION_CONTROL_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_GP5TEP, "gp5tep", CG_TESSELLATION_EVALUATION_DOMAIN, OpenGL, Assembly},
    {CG_PROFILE_VS_1_1, "vs_1_1", CG_VERTEX_DOMAIN, D3D8, Assembly},
    {CG_PROFILE_PS_1_1, "ps_1_1", CG_FRAGMENT_DOMAIN, D3D8, Assembly},
    {CG_PROFILE_PS_1_2, "ps_1_2", CG_FRAGMENT_DOMAIN, D3D8, Assembly},
    {CG_PROFILE_PS_1_3, "ps_1_3", CG_FRAGMENT_DOMAIN, D3D8, Assembly},
    {CG_PROFILE_VS_2_0, "vs_2_0", CG_VERTEX_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_VS_2_X, "vs_2_x", CG_VERTEX_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_VS_2_SW, "vs_2_sw", CG_VERTEX_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_VS_3_0, "vs_3_0", CG_VERTEX_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_PS_2_0, "ps_2_0", CG_FRAGMENT_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_PS_2_X, "ps_2_x", CG_FRAGMENT_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_PS_2_SW, "ps_2_sw", CG_FRAGMENT_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_PS_3_0, "ps_3_0", CG_FRAGMENT_DOMAIN, D3D9, Assembly},
    {CG_PROFILE_HLSLV, "hlslv", CG_VERTEX_DOMAIN, D3D9, Hlsl},
    {CG_PROFILE_HLSLF, "hlslf", CG_FRAGMENT_DOMAIN, D3D9, Hlsl},
    {CG_PROFILE_VS_4_0, "vs_4_0", CG_VERTEX_DOMAIN, D3D10, Assembly},
    {CG_PROFILE_PS_4_0, "ps_4_0", CG_FRAGMENT_DOMAIN, D3D10, Assembly},
    {CG_PROFILE_GS_4_0, "gs_4_0", CG_GEOMETRY_DOMAIN, D3D10, Assembly},
    {CG_PROFILE_VS_5_0, "vs_5_0", CG_VERTEX_DOMAIN, D3D11, Assembly},
    {CG_PROFILE_PS_5_0, "ps_5_0", CG_FRAGMENT_DOMAIN, D3D11, Assembly},
    {CG_PROFILE_GS_5_0, "gs_5_0", CG_GEOMETRY_DOMAIN, D3D11, Assembly},
    {CG_PROFILE_HS_5_0, "hs_5_0", CG_TESSELLATION_CONTROL_DOMAIN, D3D11, Assembly},
    {CG_PROFILE_DS_5_0, "ds_5_0", CG_TESSELLATION_EVALUATION_DOMAIN, D3D11, Assembly},
    {CG_PROFILE_GENERIC, "generic", CG_UNKNOWN_DOMAIN, Generic, Assembly},
};

const NamedProfile* lookUp(CGprofile profile) {
    for (const NamedProfile& p : named)
        if (p.profile == profile) return &p;
    return nullptr;
}

// The profiles this library compiles for, in the order it prefers them.
const CGprofile supported[] = {CG_PROFILE_GLSLV, CG_PROFILE_GLSLF, CG_PROFILE_ARBVP1, CG_PROFILE_ARBFP1,
                               CG_PROFILE_VP40,  CG_PROFILE_FP40,  CG_PROFILE_VP30,   CG_PROFILE_FP30,
                               CG_PROFILE_VP20,  CG_PROFILE_FP20,  CG_PROFILE_GLSLESV, CG_PROFILE_GLSLESF};

const struct {
    CGdomain domain;
    const char* name;
} domainNames[] = {
    {CG_VERTEX_DOMAIN, "vertex"},
    {CG_FRAGMENT_DOMAIN, "fragment"},
    {CG_GEOMETRY_DOMAIN, "geometry"},
    {CG_TESSELLATION_CONTROL_DOMAIN, "tessellation_control"},
    {CG_TESSELLATION_EVALUATION_DOMAIN, "tessellation_evaluation"},
};

const char* const noOptions[] = {nullptr};

const char* const glslVersionNames[] = {"default", "100", "110", "120"};

}  // namespace

extern "C" {

CGprofile cgGetProfile(const char* profile_string) {
    if (profile_string)
        for (const NamedProfile& p : named)
            if (std::strcmp(p.name, profile_string) == 0) return p.profile;
    return CG_PROFILE_UNKNOWN;
}

const char* cgGetProfileString(CGprofile profile) {
    const NamedProfile* p = lookUp(profile);
    return p ? p->name : nullptr;
}

int cgGetNumSupportedProfiles(void) { return static_cast<int>(sizeof supported / sizeof supported[0]); }

CGprofile cgGetSupportedProfile(int index) {
    noContext();
    if (index < 0 || index >= cgGetNumSupportedProfiles()) {
        raise(CG_OUT_OF_ARRAY_BOUNDS_ERROR);
        return CG_PROFILE_UNKNOWN;
    }
    return supported[index];
}

CGbool cgIsProfileSupported(CGprofile profile) { return findProfile(profile) ? CG_TRUE : CG_FALSE; }

CGbool cgGetProfileProperty(CGprofile profile, CGenum query) {
    noContext();
    const NamedProfile* p = lookUp(profile);
    if (!p) {
        raise(CG_INVALID_PROFILE_ERROR);
        return CG_FALSE;
    }
    bool answer;
    switch (query) {
    case CG_IS_OPENGL_PROFILE: answer = p->api == OpenGL; break;
    case CG_IS_DIRECT3D_PROFILE: answer = p->api >= D3D8 && p->api <= D3D11; break;
    case CG_IS_DIRECT3D_8_PROFILE: answer = p->api == D3D8; break;
    case CG_IS_DIRECT3D_9_PROFILE: answer = p->api == D3D9; break;
    case CG_IS_DIRECT3D_10_PROFILE: answer = p->api == D3D10; break;
    case CG_IS_DIRECT3D_11_PROFILE: answer = p->api == D3D11; break;
    case CG_IS_VERTEX_PROFILE: answer = p->domain == CG_VERTEX_DOMAIN; break;
    case CG_IS_FRAGMENT_PROFILE: answer = p->domain == CG_FRAGMENT_DOMAIN; break;
    case CG_IS_GEOMETRY_PROFILE: answer = p->domain == CG_GEOMETRY_DOMAIN; break;
    case CG_IS_TESSELLATION_CONTROL_PROFILE: answer = p->domain == CG_TESSELLATION_CONTROL_DOMAIN; break;
    case CG_IS_TESSELLATION_EVALUATION_PROFILE: answer = p->domain == CG_TESSELLATION_EVALUATION_DOMAIN; break;
    case CG_IS_TRANSLATION_PROFILE: answer = p->language != Assembly; break;
    case CG_IS_GLSL_PROFILE: answer = p->language == Glsl; break;
    case CG_IS_HLSL_PROFILE: answer = p->language == Hlsl; break;
    default: raise(CG_INVALID_ENUMERANT_ERROR); return CG_FALSE;
    }
    return answer ? CG_TRUE : CG_FALSE;
}

const char* cgGetDomainString(CGdomain domain) {
    for (const auto& d : domainNames)
        if (d.domain == domain) return d.name;
    return nullptr;
}

CGdomain cgGetDomain(const char* domain_string) {
    if (domain_string)
        for (const auto& d : domainNames)
            if (std::strcmp(d.name, domain_string) == 0) return d.domain;
    return CG_UNKNOWN_DOMAIN;
}

CGdomain cgGetProfileDomain(CGprofile profile) {
    const NamedProfile* p = lookUp(profile);
    return p ? p->domain : CG_UNKNOWN_DOMAIN;
}

// The profile of the same family for another domain: arbvp1 for arbfp1's
// vertex domain, glslf for glslv's fragment domain.
CGprofile cgGetProfileSibling(CGprofile profile, CGdomain domain) {
    noContext();
    const NamedProfile* p = lookUp(profile);
    if (!p) {
        raise(CG_INVALID_PROFILE_ERROR);
        return CG_PROFILE_UNKNOWN;
    }
    if (p->domain == domain) return profile;
    static const CGprofile pairs[][2] = {
        {CG_PROFILE_VP20, CG_PROFILE_FP20},   {CG_PROFILE_VP30, CG_PROFILE_FP30},   {CG_PROFILE_ARBVP1, CG_PROFILE_ARBFP1},
        {CG_PROFILE_VP40, CG_PROFILE_FP40},   {CG_PROFILE_GLSLV, CG_PROFILE_GLSLF}, {CG_PROFILE_GP4VP, CG_PROFILE_GP4FP},
        {CG_PROFILE_GP5VP, CG_PROFILE_GP5FP}, {CG_PROFILE_VS_2_0, CG_PROFILE_PS_2_0}, {CG_PROFILE_VS_3_0, CG_PROFILE_PS_3_0},
        {CG_PROFILE_HLSLV, CG_PROFILE_HLSLF}, {CG_PROFILE_VS_4_0, CG_PROFILE_PS_4_0}, {CG_PROFILE_VS_5_0, CG_PROFILE_PS_5_0},
    };
    for (const auto& pair : pairs)
        if (pair[0] == profile || pair[1] == profile) {
            if (domain == CG_VERTEX_DOMAIN) return pair[0];
            if (domain == CG_FRAGMENT_DOMAIN) return pair[1];
        }
    return CG_PROFILE_UNKNOWN;
}

char const** cgGLGetOptimalOptions(CGprofile profile) {
    noContext();
    if (!findProfile(profile)) raise(CG_INVALID_PROFILE_ERROR);
    return const_cast<char const**>(noOptions);
}

void cgGLSetContextOptimalOptions(CGcontext context, CGprofile profile) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    if (!findProfile(profile)) raise(CG_INVALID_PROFILE_ERROR);
}

char const** cgGLGetContextOptimalOptions(CGcontext context, CGprofile profile) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    return cgGLGetOptimalOptions(profile);
}

CGGLglslversion cgGLDetectGLSLVersion(void) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_SHADING_LANGUAGE_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) return CG_GL_GLSL_DEFAULT;
    if (major > 1 || minor >= 20) return CG_GL_GLSL_120;
    return minor >= 10 ? CG_GL_GLSL_110 : CG_GL_GLSL_100;
}

void cgGLSetContextGLSLVersion(CGcontext context, CGGLglslversion version) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    if (version < CG_GL_GLSL_DEFAULT || version > CG_GL_GLSL_120) return raise(CG_INVALID_ENUMERANT_ERROR);
    context->glslVersion = version;
}

CGGLglslversion cgGLGetContextGLSLVersion(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return CG_GL_GLSL_DEFAULT;
    }
    return static_cast<CGGLglslversion>(context->glslVersion);
}

const char* cgGLGetGLSLVersionString(CGGLglslversion version) {
    if (version < CG_GL_GLSL_DEFAULT || version > CG_GL_GLSL_120) return nullptr;
    return glslVersionNames[version];
}

// "1", "1.0", "100" and "1.00" are 1.00; likewise 1.10 and 1.20.
CGGLglslversion cgGLGetGLSLVersion(const char* version_string) {
    noContext();
    if (!version_string) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return CG_GL_GLSL_DEFAULT;
    }
    int major = 0, minor = 0;
    char dot = 0;
    int read = std::sscanf(version_string, "%d%c%d", &major, &dot, &minor);
    if (read == 1 && major >= 100) {
        minor = major % 100;
        major /= 100;
    } else if (read == 3 && dot == '.' && minor < 10) {
        minor *= 10;
    } else if (read != 1 && !(read == 3 && dot == '.')) {
        return CG_GL_GLSL_DEFAULT;
    }
    if (major != 1) return CG_GL_GLSL_DEFAULT;
    switch (minor) {
    case 0: return CG_GL_GLSL_100;
    case 10: return CG_GL_GLSL_110;
    case 20: return CG_GL_GLSL_120;
    default: return CG_GL_GLSL_DEFAULT;
    }
}

}  // extern "C"
