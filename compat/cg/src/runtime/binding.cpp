// Profiles, binding, and the cache of linked vertex/fragment pairs.
#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/profiles.h"
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
        }
    }
    return pair;
}

}  // namespace

void dropLinks(const _CGprogram* program) {
    RuntimeState& s = state();
    for (auto it = s.links.begin(); it != s.links.end();) {
        if (it->first.first == program || it->first.second == program) {
            if (s.active == it->second.get()) {
                s.active = nullptr;
                if (gl.loaded) gl.glUseProgram(0);
            }
            if (gl.loaded) gl.glDeleteProgram(it->second->program);
            it = s.links.erase(it);
        } else {
            ++it;
        }
    }
}

void updateActivePair() {
    RuntimeState& s = state();
    _CGprogram* vertex = s.vertexEnabled ? s.boundVertex : nullptr;
    _CGprogram* fragment = s.fragmentEnabled ? s.boundFragment : nullptr;
    if (!vertex && !fragment) {
        if (s.active && gl.loaded) gl.glUseProgram(0);
        s.active = nullptr;
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
    for (_CGprogram* p : {vertex, fragment}) {
        if (!p) continue;
        for (_CGparameter* param : p->uniforms) {
            unsigned& sent = pair->sent[param];
            if (sent != param->version) {
                sendUniform(*param, pair->locations[param]);
                sent = param->version;
            }
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
    if (setProfile(profile, true) && (state().boundVertex || state().boundFragment)) updateActivePair();
}

void cgGLDisableProfile(CGprofile profile) {
    if (setProfile(profile, false) && (state().boundVertex || state().boundFragment)) updateActivePair();
}

void cgGLBindProgram(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (!program->loaded) return raise(CG_PROGRAM_NOT_LOADED_ERROR);
    (program->stage == cgc::Stage::Vertex ? state().boundVertex : state().boundFragment) = program;
    updateActivePair();
}

void cgGLUnbindProgram(CGprofile profile) {
    const ProfileInfo* info = findProfile(profile);
    if (!info) return raise(CG_INVALID_PROFILE_ERROR);
    (info->stage == cgc::Stage::Vertex ? state().boundVertex : state().boundFragment) = nullptr;
    updateActivePair();
}

}  // extern "C"
