// Contexts and programs: compiling from source, loading into GL, destroying.
#include <new>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/profiles.h"
#include "runtime/runtime_state.h"

using namespace cgrt;

namespace {

void destroyProgramObject(_CGprogram* p) {
    RuntimeState& s = state();
    dropLinks(p);
    if (s.boundVertex == p) s.boundVertex = nullptr;
    if (s.boundFragment == p) s.boundFragment = nullptr;
    if (p->shader && gl.loaded) gl.glDeleteShader(p->shader);
    for (const auto& param : p->params) s.parameters.erase(param.get());
    s.programs.erase(p);
}

void setListing(_CGcontext* c, const std::string& text) {
    c->listing = text;
    c->hasListing = !text.empty();
}

// One parameter object per node, linked to its parent, children and next sibling.
void buildParameters(_CGprogram& p, std::vector<cgc::ParameterNode>& nodes, std::vector<cgc::UniformLeaf>& leaves) {
    std::vector<_CGparameter*> made;
    _CGparameter* lastRoot = nullptr;
    for (cgc::ParameterNode& node : nodes) {
        auto param = std::make_unique<_CGparameter>();
        param->program = &p;
        param->order = made.size();
        if (node.uniform >= 0) {
            param->isUniformLeaf = true;
            param->leaf = std::move(leaves[static_cast<size_t>(node.uniform)]);
            p.uniforms.push_back(param.get());
        }
        param->node = std::move(node);
        _CGparameter* self = param.get();
        if (self->node.parent >= 0) {
            _CGparameter* parent = made[static_cast<size_t>(self->node.parent)];
            if (!parent->children.empty()) parent->children.back()->next = self;
            parent->children.push_back(self);
            self->parent = parent;
        } else {
            if (lastRoot) lastRoot->next = self;
            lastRoot = self;
        }
        made.push_back(self);
        p.params.push_back(std::move(param));
    }
}

}  // namespace

extern "C" {

CGcontext cgCreateContext(void) {
    auto c = std::make_unique<_CGcontext>();
    state().contexts.insert(c.get());
    return c.release();
}

void cgDestroyContext(CGcontext context) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    for (const auto& p : context->programs) destroyProgramObject(p.get());
    state().contexts.erase(context);
    delete context;
}

const char* cgGetLastListing(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    return context->hasListing ? context->listing.c_str() : nullptr;
}

CGbool cgIsContext(CGcontext context) { return validContext(context) ? CG_TRUE : CG_FALSE; }

CGbool cgIsProgram(CGprogram program) { return validProgram(program) ? CG_TRUE : CG_FALSE; }

CGprogram cgCreateProgram(CGcontext context, CGenum programType, const char* program, CGprofile profile,
                          const char* entry, const char** args) {
    return createProgram(context, programType, program, profile, entry, args, std::string());
}

}  // extern "C"

CGprogram cgrt::createProgram(CGcontext context, CGenum programType, const char* program, CGprofile profile,
                              const char* entry, const char** args, const std::string& path) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    if (programType != CG_SOURCE) {
        raise(CG_INVALID_ENUMERANT_ERROR);
        return nullptr;
    }
    const ProfileInfo* profileInfo = findProfile(profile);
    if (!profileInfo) {
        raise(CG_INVALID_PROFILE_ERROR);
        return nullptr;
    }
    if (!program) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return nullptr;
    }
    std::vector<std::string> options;
    for (const char** a = args; a && *a; ++a) options.emplace_back(*a);
    cgc::Stage stage = profileInfo->stage;
    std::string entryName = entry ? entry : "main";
    cgc::CompileOutput out;
    try {
        cgc::SourceInfo info;
        info.path = path;
        info.includeSource = includeSourceOf(context);
        out = cgc::compileProgram(program, stage, entryName, options, info, compileRules(*profileInfo));
    } catch (const std::bad_alloc&) {
        raise(CG_MEMORY_ALLOC_ERROR);
        return nullptr;
    }
    setListing(context, out.listing);
    if (!out.ok) {
        raise(CG_COMPILER_ERROR);
        return nullptr;
    }
    auto p = std::make_unique<_CGprogram>();
    p->context = context;
    p->profile = profile;
    p->stage = stage;
    p->source = program;
    p->entry = entryName;
    p->glsl = std::move(out.glsl);
    p->attributes = std::move(out.attributes);
    buildParameters(*p, out.parameters, out.uniforms);
    // Registered only once complete: nothing half-built is ever visible.
    context->programs.push_back(std::move(p));
    _CGprogram* created = context->programs.back().get();
    state().programs.insert(created);
    for (const auto& param : created->params) state().parameters.insert(param.get());
    return created;
}

extern "C" {

void cgDestroyProgram(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    destroyProgramObject(program);
    auto& list = program->context->programs;
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->get() == program) {
            list.erase(it);
            break;
        }
}

const char* cgGetProgramString(CGprogram program, CGenum pname) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return "";
    }
    switch (pname) {
    case CG_COMPILED_PROGRAM: return program->glsl.c_str();
    case CG_PROGRAM_SOURCE: return program->source.c_str();
    case CG_PROGRAM_ENTRY: return program->entry.c_str();
    case CG_PROGRAM_PROFILE: return findProfile(program->profile)->name;
    default: raise(CG_INVALID_ENUMERANT_ERROR); return "";
    }
}

void cgGLLoadProgram(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (program->loaded) return;
    if (!loadGL()) return raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    GLuint shader = gl.glCreateShader(program->stage == cgc::Stage::Vertex ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER);
    const char* text = program->glsl.c_str();
    gl.glShaderSource(shader, 1, &text, nullptr);
    gl.glCompileShader(shader);
    GLint ok = 0;
    gl.glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (!ok) {
        GLint length = 0;
        gl.glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
        std::string log(static_cast<size_t>(length > 0 ? length : 1), '\0');
        gl.glGetShaderInfoLog(shader, static_cast<GLsizei>(log.size()), nullptr, &log[0]);
        gl.glDeleteShader(shader);
        setListing(program->context, "(0,1): error: the OpenGL driver rejected the generated code: " + std::string(log.c_str()));
        return raise(CG_PROGRAM_LOAD_ERROR);
    }
    program->shader = shader;
    program->loaded = true;
}

}  // extern "C"
