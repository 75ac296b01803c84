// Profiles, binding, and the cache of linked vertex/fragment pairs.
#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/gl_debug.h"
#include "runtime/managed_textures.h"
#include "runtime/profiles.h"
#include "runtime/program_state.h"
#include "runtime/runtime_state.h"
#include "runtime/uniform_upload.h"

using namespace cgrt;

namespace cgrt {
namespace {

std::string programLog(GLuint program) {
    GLint length = 0;
    gl.glGetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<size_t>(length > 0 ? length : 1), '\0');
    gl.glGetProgramInfoLog(program, static_cast<GLsizei>(log.size()), nullptr, &log[0]);
    return log.c_str();
}

// Links the pair; null (with the context's listing set) when the driver refuses.
std::unique_ptr<LinkedPair> link(_CGprogram* vertex, _CGprogram* fragment) {
    auto pair = std::make_unique<LinkedPair>();
    pair->vertex = vertex;
    pair->fragment = fragment;
    pair->program = gl.glCreateProgram();
    for (_CGprogram* p : {vertex, fragment})
        if (p) gl.glAttachShader(pair->program, p->shader);
    // ES links only complete pairs: the missing stage gets a stand-in,
    // which the program keeps alive after its own handle is deleted.
    if ((!vertex || !fragment) && currentContextIsES()) {
        cgc::Stage missing = vertex ? cgc::Stage::Fragment : cgc::Stage::Vertex;
        GLuint standIn = gl.glCreateShader(vertex ? GL_FRAGMENT_SHADER : GL_VERTEX_SHADER);
        std::string text = cgc::glslEsStandIn(missing);
        const char* source = text.c_str();
        gl.glShaderSource(standIn, 1, &source, nullptr);
        gl.glCompileShader(standIn);
        gl.glAttachShader(pair->program, standIn);
        gl.glDeleteShader(standIn);
    }
    if (vertex)
        for (const cgc::AttributeBinding& a : vertex->attributes)
            gl.glBindAttribLocation(pair->program, static_cast<GLuint>(a.index), a.glslName.c_str());
    gl.glLinkProgram(pair->program);
    GLint ok = 0;
    gl.glGetProgramiv(pair->program, GL_LINK_STATUS, &ok);
    if (!ok) {
        _CGprogram* any = vertex ? vertex : fragment;
        any->context->listing = "(0,1): error: linking failed: " + programLog(pair->program);
        any->context->hasListing = true;
        gl.glDeleteProgram(pair->program);
        return nullptr;
    }
    gl.glUseProgram(pair->program);
    for (_CGprogram* p : {vertex, fragment}) {
        if (!p) continue;
        for (_CGparameter* param : p->uniforms) {
            GLint location = gl.glGetUniformLocation(pair->program, param->leaf.glslName.c_str());
            pair->locations[param] = location;
            if (param->leaf.unit >= 0 && location >= 0) gl.glUniform1i(location, param->leaf.unit);
            if (param->leaf.type.isSampler()) {
                pair->compareLocations[param] = gl.glGetUniformLocation(pair->program, param->leaf.compareFlag.c_str());
                pair->compareSent[param] = -1;
            }
        }
    }
    return pair;
}

}  // namespace

void dropLinks(const _CGprogram* program) {
    RuntimeState& s = state();
    bool droppedActive = false;
    for (auto it = s.links.begin(); it != s.links.end();) {
        if (it->first.first == program || it->first.second == program) {
            if (s.active == it->second.get()) {
                s.active = nullptr;
                droppedActive = true;
                if (gl.loaded) gl.glUseProgram(0);
            }
            if (gl.loaded) gl.glDeleteProgram(it->second->program);
            it = s.links.erase(it);
        } else {
            ++it;
        }
    }
    // Textures the dropped pair compared get their own comparison back.
    if (droppedActive) refreshCompareModes();
}

void updateActivePair() {
    RuntimeState& s = state();
    _CGprogram* vertex = s.vertexEnabled ? s.boundVertex : nullptr;
    _CGprogram* fragment = s.fragmentEnabled ? s.boundFragment : nullptr;
    if (!vertex && !fragment) {
        if (s.active && gl.loaded) gl.glUseProgram(0);
        s.active = nullptr;
        refreshCompareModes();
        return;
    }
    // A new OpenGL context drops the resolved table: resolve it again before
    // the first call through it, here as in loading.
    if (!loadGL()) return raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    auto key = std::make_pair(static_cast<const _CGprogram*>(vertex), static_cast<const _CGprogram*>(fragment));
    auto found = s.links.find(key);
    LinkedPair* pair = nullptr;
    if (found != s.links.end()) {
        pair = found->second.get();
        gl.glUseProgram(pair->program);  // cheap, and robust to GL state changed by others
    } else {
        std::unique_ptr<LinkedPair> linked = link(vertex, fragment);
        if (!linked) {
            if (s.active) gl.glUseProgram(s.active->program);
            return raise(CG_PROGRAM_BIND_ERROR);
        }
        pair = linked.get();
        s.links[key] = std::move(linked);
    }
    s.active = pair;
    for (_CGprogram* p : {vertex, fragment})
        if (p) sendStale(p);
    refreshCompareModes();
}

void sendStale(const _CGprogram* program) {
    LinkedPair* pair = state().active;
    if (!pair || (pair->vertex != program && pair->fragment != program)) return;
    if (!loadGL()) return raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    for (_CGparameter* param : program->uniforms) {
        unsigned& sent = pair->sent[param];
        if (sent != param->version) {
            sendUniform(*param, pair->locations[param]);
            sent = param->version;
        }
    }
}

void sendIfActive(_CGparameter& param) {
    LinkedPair* pair = state().active;
    if (!pair || (pair->vertex != param.program && pair->fragment != param.program)) return;
    if (!loadGL()) return raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    sendUniform(param, pair->locations[&param]);
    pair->sent[&param] = param.version;
}

}  // namespace cgrt

extern "C" {

static bool setProfile(CGprofile profile, bool enabled) {
    const ProfileInfo* info = findProfile(profile);
    if (!info) {
        raise(CG_INVALID_PROFILE_ERROR);
        return false;
    }
    (info->stage == cgc::Stage::Vertex ? state().vertexEnabled : state().fragmentEnabled) = enabled;
    return true;
}

void cgGLEnableProfile(CGprofile profile) {
    noContext();
    if (setProfile(profile, true) && (state().boundVertex || state().boundFragment)) updateActivePair();
    checkGLErrors(CG_INVALID_PROFILE_ERROR, "cgGLEnableProfile");
}

void cgGLDisableProfile(CGprofile profile) {
    noContext();
    const ProfileInfo* info = findProfile(profile);
    if (info) releaseManagedTextures(info->stage);
    if (setProfile(profile, false) && (state().boundVertex || state().boundFragment)) updateActivePair();
    checkGLErrors(CG_INVALID_PROFILE_ERROR, "cgGLDisableProfile");
}

void cgGLEnableProgramProfiles(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (!program->isCombined()) return cgGLEnableProfile(program->profile);
    for (const auto& domain : program->domains) cgGLEnableProfile(domain->profile);
}

void cgGLDisableProgramProfiles(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (!program->isCombined()) return cgGLDisableProfile(program->profile);
    for (const auto& domain : program->domains) cgGLDisableProfile(domain->profile);
}

void cgGLBindProgram(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    // No list of the parts is built: a bind happens several times a frame,
    // and an object to destroy here would route every call below through
    // the browser build's exception handling.
    const bool combined = program->isCombined();
    const size_t partCount = combined ? program->domains.size() : 1;
    auto part = [&](size_t i) { return combined ? program->domains[i].get() : program; };
    for (size_t i = 0; i < partCount; ++i) {
        _CGprogram* p = part(i);
        compileIfLazy(*p);
        if (!p->loaded) return raise(CG_PROGRAM_NOT_LOADED_ERROR);
    }
    for (size_t i = 0; i < partCount; ++i) {
        _CGprogram* p = part(i);
        (p->stage == cgc::Stage::Vertex ? state().boundVertex : state().boundFragment) = p;
        if (p->context->manageTextures) bindProgramTextures(*p);
    }
    updateActivePair();
    checkGLErrors(CG_PROGRAM_BIND_ERROR, "cgGLBindProgram");
}

void cgGLUnbindProgram(CGprofile profile) {
    noContext();
    const ProfileInfo* info = findProfile(profile);
    if (!info) return raise(CG_INVALID_PROFILE_ERROR);
    releaseManagedTextures(info->stage);
    (info->stage == cgc::Stage::Vertex ? state().boundVertex : state().boundFragment) = nullptr;
    updateActivePair();
    checkGLErrors(CG_INVALID_PROFILE_ERROR, "cgGLUnbindProgram");
}

}  // extern "C"
