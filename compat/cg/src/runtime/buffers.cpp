#include "runtime/buffers.h"

#include <algorithm>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/parameter_checks.h"

using namespace cgrt;

namespace {

bool bufferCallsPresent() {
    if (loadGL() && gl.glGenBuffers && gl.glBindBuffer && gl.glBufferData && gl.glBufferSubData && gl.glMapBuffer &&
        gl.glUnmapBuffer && gl.glDeleteBuffers && gl.glGetBufferParameteriv)
        return true;
    raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR, "(buffer objects need OpenGL 1.5)");
    return false;
}

// Runs `use` with the buffer bound, leaving the application's binding as it was.
template <typename Use>
void withBuffer(const _CGbuffer& b, Use use) {
    GLint previous = 0;
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &previous);
    gl.glBindBuffer(GL_ARRAY_BUFFER, b.object);
    use();
    gl.glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(previous));
}

GLenum glUsage(CGbufferusage usage) {
    static const GLenum table[] = {GL_STREAM_DRAW, GL_STREAM_READ, GL_STREAM_COPY, GL_STATIC_DRAW, GL_STATIC_READ,
                                   GL_STATIC_COPY, GL_DYNAMIC_DRAW, GL_DYNAMIC_READ, GL_DYNAMIC_COPY};
    return usage >= CG_BUFFER_USAGE_STREAM_DRAW && usage <= CG_BUFFER_USAGE_DYNAMIC_COPY ? table[usage] : 0;
}

CGbuffer adopt(CGcontext context, GLuint object, int size, bool managed) {
    auto b = std::make_unique<_CGbuffer>();
    b->context = context;
    b->object = object;
    b->size = size;
    b->managed = managed;
    _CGbuffer* made = b.get();
    context->buffers.push_back(std::move(b));
    state().buffers.insert(made);
    return made;
}

CGbuffer create(CGcontext context, int size, const void* data, GLenum usage) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    if (size < 0) {
        raise(CG_INVALID_SIZE_ERROR);
        return nullptr;
    }
    if (!bufferCallsPresent()) return nullptr;
    GLuint object = 0;
    gl.glGenBuffers(1, &object);
    _CGbuffer probe;
    probe.object = object;
    withBuffer(probe, [&] { gl.glBufferData(GL_ARRAY_BUFFER, size, data, usage); });
    return adopt(context, object, size, true);
}

bool checkBuffer(CGbuffer b) {
    if (validBuffer(b)) return true;
    raise(CG_INVALID_BUFFER_HANDLE_ERROR);
    return false;
}

void release(_CGbuffer& b) {
    if (b.mapped && gl.loaded) withBuffer(b, [] { gl.glUnmapBuffer(GL_ARRAY_BUFFER); });
    if (b.managed && gl.loaded) gl.glDeleteBuffers(1, &b.object);
    state().buffers.erase(&b);
}

}  // namespace

void cgrt::destroyBuffers(_CGcontext& context) {
    for (const auto& b : context.buffers) release(*b);
    context.buffers.clear();
}

extern "C" {

CGbuffer cgCreateBuffer(CGcontext context, int size, const void* data, CGbufferusage bufferUsage) {
    GLenum usage = glUsage(bufferUsage);
    if (!usage) {
        raise(CG_INVALID_ENUMERANT_ERROR);
        return nullptr;
    }
    return create(context, size, data, usage);
}

CGbuffer cgGLCreateBuffer(CGcontext context, int size, const void* data, unsigned int bufferUsage) {
    return create(context, size, data, bufferUsage);
}

CGbuffer cgGLCreateBufferFromObject(CGcontext context, unsigned int obj, CGbool manageObject) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    if (!bufferCallsPresent()) return nullptr;
    _CGbuffer probe;
    probe.object = obj;
    GLint size = 0;
    withBuffer(probe, [&] { gl.glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size); });
    return adopt(context, obj, size, manageObject != CG_FALSE);
}

unsigned int cgGLGetBufferObject(CGbuffer buffer) { return checkBuffer(buffer) ? buffer->object : 0; }

CGbool cgIsBuffer(CGbuffer buffer) { return validBuffer(buffer) ? CG_TRUE : CG_FALSE; }

int cgGetBufferSize(CGbuffer buffer) { return checkBuffer(buffer) ? buffer->size : -1; }

void cgSetBufferData(CGbuffer buffer, int size, const void* data) {
    if (!checkBuffer(buffer) || !bufferCallsPresent()) return;
    if (buffer->mapped) return raise(CG_BUFFER_UPDATE_NOT_ALLOWED_ERROR);
    if (size < 0) return raise(CG_INVALID_SIZE_ERROR);
    withBuffer(*buffer, [&] { gl.glBufferData(GL_ARRAY_BUFFER, size, data, GL_DYNAMIC_DRAW); });
    buffer->size = size;
}

void cgSetBufferSubData(CGbuffer buffer, int offset, int size, const void* data) {
    if (!checkBuffer(buffer) || !bufferCallsPresent()) return;
    if (buffer->mapped) return raise(CG_BUFFER_UPDATE_NOT_ALLOWED_ERROR);
    if (offset < 0 || size < 0 || size > buffer->size - offset) return raise(CG_BUFFER_INDEX_OUT_OF_RANGE_ERROR);
    if (!checkPointer(data)) return;
    withBuffer(*buffer, [&] { gl.glBufferSubData(GL_ARRAY_BUFFER, offset, size, data); });
}

void* cgMapBuffer(CGbuffer buffer, CGbufferaccess access) {
    if (!checkBuffer(buffer) || !bufferCallsPresent()) return nullptr;
    if (buffer->mapped) {
        raise(CG_BUFFER_ALREADY_MAPPED_ERROR);
        return nullptr;
    }
    GLenum mode;
    switch (access) {
    case CG_MAP_READ: mode = GL_READ_ONLY; break;
    case CG_MAP_WRITE: case CG_MAP_WRITE_DISCARD: case CG_MAP_WRITE_NO_OVERWRITE: mode = GL_WRITE_ONLY; break;
    case CG_MAP_READ_WRITE: mode = GL_READ_WRITE; break;
    default: raise(CG_INVALID_ENUMERANT_ERROR); return nullptr;
    }
    void* memory = nullptr;
    withBuffer(*buffer, [&] { memory = gl.glMapBuffer(GL_ARRAY_BUFFER, mode); });
    buffer->mapped = memory != nullptr;
    return memory;
}

void cgUnmapBuffer(CGbuffer buffer) {
    if (!checkBuffer(buffer) || !buffer->mapped || !bufferCallsPresent()) return;
    withBuffer(*buffer, [] { gl.glUnmapBuffer(GL_ARRAY_BUFFER); });
    buffer->mapped = false;
}

void cgDestroyBuffer(CGbuffer buffer) {
    if (!checkBuffer(buffer)) return;
    release(*buffer);
    auto& list = buffer->context->buffers;
    list.erase(std::remove_if(list.begin(), list.end(), [&](const std::unique_ptr<_CGbuffer>& b) { return b.get() == buffer; }),
               list.end());
}

// No profile here binds buffers to a program (the buffer semantics belong to
// the gp4 and gp5 profiles): every index is out of range.
int cgGetProgramBufferMaxSize(CGprofile profile) {
    noContext();
    if (!cgIsProfileSupported(profile)) raise(CG_INVALID_PROFILE_ERROR);
    return 0;
}

int cgGetProgramBufferMaxIndex(CGprofile profile) { return cgGetProgramBufferMaxSize(profile); }

void cgSetProgramBuffer(CGprogram program, int, CGbuffer buffer) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (buffer && !checkBuffer(buffer)) return;
    raise(CG_BUFFER_INDEX_OUT_OF_RANGE_ERROR, "(the program's profile has no buffer indices)");
}

CGbuffer cgGetProgramBuffer(CGprogram program, int) {
    if (!validProgram(program)) raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    else raise(CG_BUFFER_INDEX_OUT_OF_RANGE_ERROR, "(the program's profile has no buffer indices)");
    return nullptr;
}

void cgSetUniformBufferParameter(CGparameter param, CGbuffer buffer) {
    if (!checkParameter(param)) return;
    if (buffer && !checkBuffer(buffer)) return;
    raise(CG_INVALID_PARAMETER_TYPE_ERROR, "(not a uniform buffer: no profile here has them)");
}

CGbuffer cgGetUniformBufferParameter(CGparameter param) {
    if (checkParameter(param)) raise(CG_INVALID_PARAMETER_TYPE_ERROR, "(not a uniform buffer: no profile here has them)");
    return nullptr;
}

}  // extern "C"
