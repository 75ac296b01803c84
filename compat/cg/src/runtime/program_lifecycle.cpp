// What happens to a program after its creation: compiling again, copying,
// listing the context's programs, unloading, and the queries of its kind.
#include "Cg/cgGL.h"
#include "runtime/combined_programs.h"
#include "runtime/gl_api.h"
#include "runtime/gl_debug.h"
#include "runtime/parameter_checks.h"
#include "runtime/profiles.h"
#include "runtime/program_state.h"

using namespace cgrt;

namespace cgrt {
namespace {

// Runs the compiler again over the program's source and takes its code. The
// parameter objects stay: the source, and so the parameters, are the same.
bool recompile(_CGprogram& p) {
    std::unique_ptr<_CGprogram> fresh = compileProgram(p.context, p.source, p.profile, p.entry, p.options, p.path);
    if (!fresh) return false;
    p.compiled = true;
    if (fresh->glsl == p.glsl) return true;
    bool wasLoaded = p.loaded;
    unloadProgram(p);
    p.glsl = std::move(fresh->glsl);
    if (wasLoaded) cgGLLoadProgram(&p);
    return true;
}

void copyValues(const _CGprogram& from, _CGprogram& to) {
    for (size_t i = 0; i < from.params.size() && i < to.params.size(); ++i) {
        const _CGparameter& a = *from.params[i];
        _CGparameter& b = *to.params[i];
        b.leaf.value = a.leaf.value;
        b.texture = a.texture;
        b.literal = a.literal;
        ++b.version;
    }
}

}  // namespace

void markUncompiled(_CGprogram& program) {
    program.compiled = false;
    if (program.context->autoCompile == CG_COMPILE_IMMEDIATE) recompile(program);
}

void compileIfLazy(_CGprogram& program) {
    if (!program.compiled && program.context->autoCompile == CG_COMPILE_LAZY) recompile(program);
}

void unloadProgram(_CGprogram& p) {
    RuntimeState& s = state();
    dropLinks(&p);
    bool wasBound = s.boundVertex == &p || s.boundFragment == &p;
    if (s.boundVertex == &p) s.boundVertex = nullptr;
    if (s.boundFragment == &p) s.boundFragment = nullptr;
    if (wasBound) updateActivePair();
    if (p.shader && gl.loaded) gl.glDeleteShader(p.shader);
    p.shader = 0;
    p.loaded = false;
}

}  // namespace cgrt

extern "C" {

CGprogram cgGetFirstProgram(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    return context->programs.empty() ? nullptr : context->programs.front().get();
}

CGprogram cgGetNextProgram(CGprogram current) {
    if (!validProgram(current)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    const auto& list = current->context->programs;
    for (size_t i = 0; i + 1 < list.size(); ++i)
        if (list[i].get() == current) return list[i + 1].get();
    return nullptr;
}

CGcontext cgGetProgramContext(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    return program->context;
}

void cgCompileProgram(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (program->isCombined()) {
        for (const auto& domain : program->domains) cgCompileProgram(domain.get());
        return;
    }
    if (!program->compiled) recompile(*program);
}

CGbool cgIsProgramCompiled(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return CG_FALSE;
    }
    for (const auto& domain : program->domains)
        if (!domain->compiled) return CG_FALSE;
    return program->compiled ? CG_TRUE : CG_FALSE;
}

char const* const* cgGetProgramOptions(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    return program->optionList.data();
}

CGprogram cgCopyProgram(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    if (program->isCombined()) {
        std::vector<_CGprogram*> parts;
        for (const auto& domain : program->domains) parts.push_back(domain.get());
        _CGprogram* copy = combinePrograms(parts);
        if (copy)
            for (size_t i = 0; i < parts.size(); ++i) copyValues(*parts[i], *copy->domains[i]);
        return copy;
    }
    std::unique_ptr<_CGprogram> copy =
        compileProgram(program->context, program->source, program->profile, program->entry, program->options,
                       program->path);
    if (!copy) return nullptr;
    copyValues(*program, *copy);
    _CGprogram* made = copy.get();
    program->context->programs.push_back(std::move(copy));
    registerProgram(made);
    return made;
}

void cgSetProgramProfile(CGprogram program, CGprofile profile) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    const ProfileInfo* info = findProfile(profile);
    // The parameters are the entry's for its stage: only a profile of the
    // same stage can take the program.
    if (!info || info->stage != program->stage || program->isCombined()) return raise(CG_INVALID_PROFILE_ERROR);
    if (profile == program->profile) return;
    CGprofile old = program->profile;
    program->profile = profile;
    if (!recompile(*program)) program->profile = old;
}

CGenum cgGetProgramInput(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return CG_UNKNOWN;
    }
    const _CGprogram* first = program->isCombined() ? program->domains.front().get() : program;
    return first->stage == cgc::Stage::Vertex ? CG_VERTEX : CG_FRAGMENT;
}

CGenum cgGetProgramOutput(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return CG_UNKNOWN;
    }
    const _CGprogram* last = program->isCombined() ? program->domains.back().get() : program;
    return last->stage == cgc::Stage::Vertex ? CG_VERTEX : CG_FRAGMENT;
}

// Output vertices belong to geometry programs, which no profile here makes:
// the number is kept and given back, and changes nothing.
int cgGetProgramOutputVertices(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return 0;
    }
    return program->outputVertices;
}

void cgSetProgramOutputVertices(CGprogram program, int vertices) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    program->outputVertices = vertices;
}

void cgUpdateProgramParameters(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (program->isCombined())
        for (const auto& domain : program->domains) sendStale(domain.get());
    else
        sendStale(program);
    refreshCompareModes();
    checkGLErrors(CG_INVALID_PARAMETER_ERROR, "cgUpdateProgramParameters");
}

// Evaluating on the CPU is the generic profile's, which this runtime lacks.
void cgEvaluateProgram(CGprogram program, float*, int, int, int, int) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    raise(CG_INVALID_PROFILE_ERROR, "(only CG_PROFILE_GENERIC programs can be evaluated)");
}

CGobj cgCreateObj(CGcontext context, CGenum, const char*, CGprofile, const char**) {
    if (!validContext(context)) raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    else raise(CG_INVALID_PROFILE_ERROR, "(objects are for profiles with uniform buffers)");
    return nullptr;
}

CGobj cgCreateObjFromFile(CGcontext context, CGenum, const char*, CGprofile, const char**) {
    return cgCreateObj(context, CG_SOURCE, nullptr, CG_PROFILE_UNKNOWN, nullptr);
}

void cgDestroyObj(CGobj) { raise(CG_INVALID_OBJ_HANDLE_ERROR); }

void cgGLUnloadProgram(CGprogram program) {
    if (!validProgram(program)) return raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    if (program->isCombined())
        for (const auto& domain : program->domains) unloadProgram(*domain);
    else
        unloadProgram(*program);
}

CGbool cgGLIsProgramLoaded(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return CG_FALSE;
    }
    if (!program->isCombined()) return program->loaded ? CG_TRUE : CG_FALSE;
    for (const auto& domain : program->domains)
        if (!domain->loaded) return CG_FALSE;
    return CG_TRUE;
}

unsigned int cgGLGetProgramID(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return 0;
    }
    if (!program->isCombined()) {
        if (!program->loaded) raise(CG_PROGRAM_NOT_LOADED_ERROR);
        return program->shader;
    }
    const LinkedPair* pair = linkOf(*program);
    return pair ? pair->program : 0;
}

}  // extern "C"
