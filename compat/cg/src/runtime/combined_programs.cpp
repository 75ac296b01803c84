#include "runtime/combined_programs.h"

#include <set>

#include "runtime/shared_parameters.h"

using namespace cgrt;

namespace cgrt {
namespace {

// Later domains' parameters named like an earlier domain's follow it, so
// that one handle sets both; the roots are chained across the domains with
// the namesakes left out, so that walking the parameters sees each once.
void joinParameters(_CGprogram& combined) {
    std::map<std::string, _CGparameter*> seen;
    _CGparameter* lastRoot = nullptr;
    for (const auto& domain : combined.domains) {
        for (const auto& param : domain->params) {
            auto found = seen.find(param->node.name);
            if (found == seen.end()) {
                seen[param->node.name] = param.get();
                continue;
            }
            // Members and elements come with their root's connection.
            if (param->parent || !sameShape(*found->second, *param)) continue;
            connectParameters(*found->second, *param);
            param->duplicate = true;
            for (_CGparameter* child : param->children) markDuplicate(*child);
        }
        for (const auto& param : domain->params) {
            if (param->parent || param->duplicate) continue;
            if (lastRoot) lastRoot->next = param.get();
            lastRoot = param.get();
            param->next = nullptr;
        }
    }
}

}  // namespace

_CGprogram* combinePrograms(const std::vector<_CGprogram*>& parts) {
    if (parts.size() < 2) {
        raise(CG_INVALID_DIMENSION_ERROR);
        return nullptr;
    }
    std::set<cgc::Stage> stages;
    for (_CGprogram* p : parts) {
        if (!validProgram(p) || p->isCombined()) {
            raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
            return nullptr;
        }
        if (p->context != parts.front()->context) {
            raise(CG_INVALID_CONTEXT_HANDLE_ERROR, "(the programs belong to different contexts)");
            return nullptr;
        }
        if (!stages.insert(p->stage).second) {
            raise(CG_INVALID_PARAMETER_ERROR, "(two programs of the same domain)");
            return nullptr;
        }
    }
    _CGcontext* context = parts.front()->context;
    auto combined = std::make_unique<_CGprogram>();
    combined->context = context;
    combined->profile = parts.front()->profile;
    combined->stage = parts.front()->stage;
    combined->optionList.push_back(nullptr);
    for (_CGprogram* p : parts) {
        std::unique_ptr<_CGprogram> copy = compileProgram(context, p->source, p->profile, p->entry, p->options, p->path);
        if (!copy) return nullptr;
        copy->combined = combined.get();
        combined->glsl += copy->glsl;
        combined->domains.push_back(std::move(copy));
    }
    joinParameters(*combined);
    _CGprogram* made = combined.get();
    context->programs.push_back(std::move(combined));
    registerProgram(made);
    return made;
}

const LinkedPair* linkOf(const _CGprogram& combined) {
    const _CGprogram* vertex = nullptr;
    const _CGprogram* fragment = nullptr;
    for (const auto& d : combined.domains) (d->stage == cgc::Stage::Vertex ? vertex : fragment) = d.get();
    auto found = state().links.find(std::make_pair(vertex, fragment));
    return found == state().links.end() ? nullptr : found->second.get();
}

}  // namespace cgrt

extern "C" {

CGprogram cgCombinePrograms(int n, const CGprogram* exeList) {
    noContext();
    if (n <= 1) {
        raise(CG_INVALID_DIMENSION_ERROR);
        return nullptr;
    }
    if (!exeList) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return nullptr;
    }
    return combinePrograms(std::vector<_CGprogram*>(exeList, exeList + n));
}

CGprogram cgCombinePrograms2(const CGprogram exe1, const CGprogram exe2) {
    return combinePrograms({exe1, exe2});
}

CGprogram cgCombinePrograms3(const CGprogram exe1, const CGprogram exe2, const CGprogram exe3) {
    return combinePrograms({exe1, exe2, exe3});
}

CGprogram cgCombinePrograms4(const CGprogram exe1, const CGprogram exe2, const CGprogram exe3, const CGprogram exe4) {
    return combinePrograms({exe1, exe2, exe3, exe4});
}

CGprogram cgCombinePrograms5(const CGprogram exe1, const CGprogram exe2, const CGprogram exe3, const CGprogram exe4,
                             const CGprogram exe5) {
    return combinePrograms({exe1, exe2, exe3, exe4, exe5});
}

int cgGetNumProgramDomains(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return 0;
    }
    return program->isCombined() ? static_cast<int>(program->domains.size()) : 1;
}

CGdomain cgGetProgramDomain(CGprogram program) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return CG_UNKNOWN_DOMAIN;
    }
    if (program->isCombined()) return CG_UNKNOWN_DOMAIN;
    return program->stage == cgc::Stage::Vertex ? CG_VERTEX_DOMAIN : CG_FRAGMENT_DOMAIN;
}

CGprogram cgGetProgramDomainProgram(CGprogram program, int index) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    int count = cgGetNumProgramDomains(program);
    if (index < 0 || index >= count) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return nullptr;
    }
    return program->isCombined() ? program->domains[static_cast<size_t>(index)].get() : program;
}

CGprofile cgGetProgramDomainProfile(CGprogram program, int index) {
    CGprogram domain = cgGetProgramDomainProgram(program, index);
    return domain ? domain->profile : CG_PROFILE_UNKNOWN;
}

}  // extern "C"
