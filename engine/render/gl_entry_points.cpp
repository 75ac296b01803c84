// The entry-point table and the default resolver. GLX hands out a stub for
// any name, so there a resolved address alone proves nothing: each name is
// also checked against what the current context offers. WGL answers null
// for what the driver lacks, so there the look-up alone decides.
#include "render/gl_entry_points.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "platform/gl_context.h"

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
};

constexpr const char* fbo = "GL_EXT_framebuffer_object";

const Entry entries[count] = {
    {"glClientActiveTexture", 1, 3, nullptr, nullptr},
    {"glDisableVertexAttribArrayARB", 0, 0, "GL_ARB_vertex_shader", "GL_ARB_vertex_program"},
    {"glBindFramebufferEXT", 0, 0, fbo, nullptr},
    {"glVertexAttrib4fv", 2, 0, nullptr, nullptr},
    {"glMultiTexCoord4fv", 1, 3, nullptr, nullptr},
    {"wglChoosePixelFormatARB", 0, 0, nullptr, nullptr},  // the platform's chooser
    {"glBindAttribLocationARB", 0, 0, "GL_ARB_vertex_shader", nullptr},
    {"glActiveTextureARB", 0, 0, "GL_ARB_multitexture", nullptr},
    {"glUseProgram", 2, 0, nullptr, nullptr},
    {"glLinkProgram", 2, 0, nullptr, nullptr},
    {"glAttachShader", 2, 0, nullptr, nullptr},
    {"glDetachShader", 2, 0, nullptr, nullptr},
    {"glUniform1i", 2, 0, nullptr, nullptr},
    {"glUniform1f", 2, 0, nullptr, nullptr},
    {"glUniform4fv", 2, 0, nullptr, nullptr},
    {"glUniform3fv", 2, 0, nullptr, nullptr},
    {"glUniform2fv", 2, 0, nullptr, nullptr},
    {"glUniform1fv", 2, 0, nullptr, nullptr},
    {"glUniformMatrix4fv", 2, 0, nullptr, nullptr},
    {"glGetShaderInfoLog", 2, 0, nullptr, nullptr},
    {"glCompileShader", 2, 0, nullptr, nullptr},
    {"glShaderSource", 2, 0, nullptr, nullptr},
    {"glCreateShader", 2, 0, nullptr, nullptr},
    {"glCreateProgram", 2, 0, nullptr, nullptr},
    {"glGenFramebuffersEXT", 0, 0, fbo, nullptr},
    {"glDeleteFramebuffersEXT", 0, 0, fbo, nullptr},
    {"glFramebufferTexture2DEXT", 0, 0, fbo, nullptr},
    {"glCheckFramebufferStatusEXT", 0, 0, fbo, nullptr},
    {"glGetUniformLocation", 2, 0, nullptr, nullptr},
    {"glGenBuffers", 1, 5, nullptr, nullptr},
    {"glBufferData", 1, 5, nullptr, nullptr},
    {"glDeleteBuffers", 1, 5, nullptr, nullptr},
    {"glBindBuffer", 1, 5, nullptr, nullptr},
    {"glMapBuffer", 1, 5, nullptr, nullptr},
    {"glUnmapBuffer", 1, 5, nullptr, nullptr},
    {"glEnableVertexAttribArray", 2, 0, nullptr, nullptr},
    {"glVertexAttribPointer", 2, 0, nullptr, nullptr},
    {"glGetShaderiv", 2, 0, nullptr, nullptr},
    {"glGetProgramiv", 2, 0, nullptr, nullptr},
    {"glGetProgramInfoLog", 2, 0, nullptr, nullptr},
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
    // Where the look-up answers null for what the driver lacks, its answer
    // is the whole check, the pixel-format chooser included.
    if (Platform::procAddressProvesPresence()) return Platform::getGLProcAddress(name);
    if (entry == &entries[ChoosePixelFormat]) {
        // Never called: the platform chooses multisampled formats itself.
        // The slot holds the chooser query so that it is not null.
        return Platform::hasPixelFormatChooser()
                   ? reinterpret_cast<void*>(&Platform::hasPixelFormatChooser)
                   : nullptr;
    }
    void* address = Platform::getGLProcAddress(name);
    if (!address || !contextOffers(*entry)) return nullptr;
    return address;
}

void setResolver(Resolver replacement) { resolver = replacement; }

bool lookUp() {
    Resolver resolve = resolver ? resolver : &resolveInCurrentContext;
    bool all = true;
    for (int i = 0; i < count; ++i) {  // every name, also after a miss
        table[i] = resolve(entries[i].name);
        if (!table[i]) all = false;
    }
    return all;
}

}  // namespace GLEntryPoints
}  // namespace Zephra
