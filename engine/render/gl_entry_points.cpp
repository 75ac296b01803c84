// The entry-point table and the default resolver. GLX hands out a stub for
// any name, so there a resolved address alone proves nothing: each name is
// also checked against what the current context offers. WGL answers null
// for what the driver lacks, so there the look-up alone decides.
#include "render/gl_entry_points.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "platform/gl_context.h"
#include "render/es/es_context.h"

namespace Zephra {
namespace GLEntryPoints {

namespace {

// What makes a name available: the core version that introduced it, or one
// of up to two extensions.
struct Entry {
    const char* name;
    int major;
    int minor;
    const char* extension;
    const char* otherExtension;
    // The OpenGL ES 3.0 function that does its job there (all are core in
    // ES 3.0); null: the same name. ES has no client arrays and no
    // fixed-function attributes: the engine feeds generic attributes instead.
    const char* es;
};

constexpr const char* fbo = "GL_EXT_framebuffer_object";

const Entry entries[count] = {
    {"glClientActiveTexture", 1, 3, nullptr, nullptr, "glVertexAttribPointer"},
    {"glDisableVertexAttribArrayARB", 0, 0, "GL_ARB_vertex_shader", "GL_ARB_vertex_program",
     "glDisableVertexAttribArray"},
    {"glBindFramebufferEXT", 0, 0, fbo, nullptr, "glBindFramebuffer"},
    {"glVertexAttrib4fv", 2, 0, nullptr, nullptr, nullptr},
    {"glMultiTexCoord4fv", 1, 3, nullptr, nullptr, "glVertexAttrib4fv"},
    {"wglChoosePixelFormatARB", 0, 0, nullptr, nullptr, nullptr},  // the platform's chooser
    {"glBindAttribLocationARB", 0, 0, "GL_ARB_vertex_shader", nullptr, "glBindAttribLocation"},
    {"glActiveTextureARB", 0, 0, "GL_ARB_multitexture", nullptr, "glActiveTexture"},
    {"glUseProgram", 2, 0, nullptr, nullptr, nullptr},
    {"glLinkProgram", 2, 0, nullptr, nullptr, nullptr},
    {"glAttachShader", 2, 0, nullptr, nullptr, nullptr},
    {"glDetachShader", 2, 0, nullptr, nullptr, nullptr},
    {"glUniform1i", 2, 0, nullptr, nullptr, nullptr},
    {"glUniform1f", 2, 0, nullptr, nullptr, nullptr},
    {"glUniform4fv", 2, 0, nullptr, nullptr, nullptr},
    {"glUniform3fv", 2, 0, nullptr, nullptr, nullptr},
    {"glUniform2fv", 2, 0, nullptr, nullptr, nullptr},
    {"glUniform1fv", 2, 0, nullptr, nullptr, nullptr},
    {"glUniformMatrix4fv", 2, 0, nullptr, nullptr, nullptr},
    {"glGetShaderInfoLog", 2, 0, nullptr, nullptr, nullptr},
    {"glCompileShader", 2, 0, nullptr, nullptr, nullptr},
    {"glShaderSource", 2, 0, nullptr, nullptr, nullptr},
    {"glCreateShader", 2, 0, nullptr, nullptr, nullptr},
    {"glCreateProgram", 2, 0, nullptr, nullptr, nullptr},
    {"glGenFramebuffersEXT", 0, 0, fbo, nullptr, "glGenFramebuffers"},
    {"glDeleteFramebuffersEXT", 0, 0, fbo, nullptr, "glDeleteFramebuffers"},
    {"glFramebufferTexture2DEXT", 0, 0, fbo, nullptr, "glFramebufferTexture2D"},
    {"glCheckFramebufferStatusEXT", 0, 0, fbo, nullptr, "glCheckFramebufferStatus"},
    {"glGetUniformLocation", 2, 0, nullptr, nullptr, nullptr},
    {"glGenBuffers", 1, 5, nullptr, nullptr, nullptr},
    {"glBufferData", 1, 5, nullptr, nullptr, nullptr},
    {"glDeleteBuffers", 1, 5, nullptr, nullptr, nullptr},
    {"glBindBuffer", 1, 5, nullptr, nullptr, nullptr},
    {"glMapBuffer", 1, 5, nullptr, nullptr, "glMapBufferRange"},
    {"glUnmapBuffer", 1, 5, nullptr, nullptr, nullptr},
    {"glEnableVertexAttribArray", 2, 0, nullptr, nullptr, nullptr},
    {"glVertexAttribPointer", 2, 0, nullptr, nullptr, nullptr},
    {"glGetShaderiv", 2, 0, nullptr, nullptr, nullptr},
    {"glGetProgramiv", 2, 0, nullptr, nullptr, nullptr},
    {"glGetProgramInfoLog", 2, 0, nullptr, nullptr, nullptr},
};

void* table[count] = {};
Resolver resolver = nullptr;

const Entry* find(const char* name) {
    for (const Entry& entry : entries)
        if (std::strcmp(entry.name, name) == 0) return &entry;
    return nullptr;
}

bool hasExtension(const char* extensions, const char* wanted) {
    std::size_t n = std::strlen(wanted);
    for (const char* p = extensions; (p = std::strstr(p, wanted)) != nullptr; p += n) {
        bool startsWord = p == extensions || p[-1] == ' ';
        bool endsWord = p[n] == ' ' || p[n] == '\0';
        if (startsWord && endsWord) return true;
    }
    return false;
}

bool contextOffers(const Entry& requirement) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version) return false;  // no current context
    int major = 0, minor = 0;
    if (requirement.major > 0 && std::sscanf(version, "%d.%d", &major, &minor) == 2 &&
        (major > requirement.major || (major == requirement.major && minor >= requirement.minor)))
        return true;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!extensions) return false;
    return (requirement.extension && hasExtension(extensions, requirement.extension)) ||
           (requirement.otherExtension && hasExtension(extensions, requirement.otherExtension));
}

}  // namespace

const char* name(int slot) { return slot >= 0 && slot < count ? entries[slot].name : nullptr; }

void* get(int slot) { return slot >= 0 && slot < count ? table[slot] : nullptr; }

void* resolveInCurrentContext(const char* name) {
    const Entry* entry = find(name);
    if (!entry) return nullptr;
    // The pixel-format chooser is the platform's own, outside OpenGL, except
    // where the look-up answers for it (WGL).
    const bool provesPresence = Platform::procAddressProvesPresence() && !ES::active();
    if (entry == &entries[ChoosePixelFormat] && !provesPresence) {
        // Never called: the platform chooses multisampled formats itself.
        // The slot holds the chooser query so that it is not null.
        return Platform::hasPixelFormatChooser()
                   ? reinterpret_cast<void*>(&Platform::hasPixelFormatChooser)
                   : nullptr;
    }
    if (ES::active()) {
        // Every counterpart is core in ES 3.0, which the ES path requires.
        return Platform::getGLProcAddress(entry->es ? entry->es : entry->name);
    }
    // Where the look-up answers null for what the driver lacks, its answer
    // is the whole check.
    if (provesPresence) return Platform::getGLProcAddress(name);
    void* address = Platform::getGLProcAddress(name);
    if (!address || !contextOffers(*entry)) return nullptr;
    return address;
}

void setResolver(Resolver replacement) { resolver = replacement; }

bool lookUp() {
    // The ES path starts first: the look-up of an ES context asks for the
    // ES counterparts.
    bool all = ES::contextStarted();
    Resolver resolve = resolver ? resolver : &resolveInCurrentContext;
    for (int i = 0; i < count; ++i) {  // every name, also after a miss
        table[i] = resolve(entries[i].name);
        if (!table[i]) all = false;
    }
    return all;
}

}  // namespace GLEntryPoints
}  // namespace Zephra
