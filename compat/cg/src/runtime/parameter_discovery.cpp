// Finding parameters: by name, by walking the program's tree, and what each
// one is (name, type, semantic, variability, direction, shape).
#include <cstring>

#include "runtime/parameter_checks.h"
#include "runtime/type_enums.h"

using namespace cgrt;

namespace {

// CG_PROGRAM holds every parameter; CG_GLOBAL (the context's shared
// parameters) holds none here. Raises for anything else.
bool programNamespace(CGenum nameSpace, bool& empty) {
    empty = nameSpace == CG_GLOBAL;
    if (nameSpace == CG_PROGRAM || nameSpace == CG_GLOBAL) return true;
    raise(CG_INVALID_ENUMERANT_ERROR);
    return false;
}

bool isLeaf(const _CGparameter* p) { return p->node.kind == cgc::ParameterKind::Leaf; }

// The parameter after p in depth-first order, or null; in a combined
// program the next domain's parameters follow.
_CGparameter* following(const _CGparameter* p) {
    if (!p->program) return nullptr;
    const auto& all = p->program->params;
    if (p->order + 1 < all.size()) return all[p->order + 1].get();
    const _CGprogram* combined = p->program->combined;
    if (!combined) return nullptr;
    bool after = false;
    for (const auto& domain : combined->domains) {
        if (after && !domain->params.empty()) return domain->params.front().get();
        after = after || domain.get() == p->program;
    }
    return nullptr;
}

// Namesakes in later domains of a combined program are the earlier one.
_CGparameter* firstLeafFrom(_CGparameter* p) {
    while (p && (!isLeaf(p) || p->duplicate)) p = following(p);
    return p;
}

// The first parameter of a program, or of a combined program's first domain that has any.
_CGparameter* firstOf(const _CGprogram& program) {
    if (!program.params.empty()) return program.params.front().get();
    for (const auto& domain : program.domains)
        if (!domain->params.empty()) return domain->params.front().get();
    return nullptr;
}

const cgc::Type* valueType(const _CGparameter* p) {
    return p->node.kind == cgc::ParameterKind::Struct ? nullptr : &p->node.type;
}

}  // namespace

extern "C" {

CGbool cgIsParameter(CGparameter param) { return validParameter(param) ? CG_TRUE : CG_FALSE; }

CGparameter cgGetNamedParameter(CGprogram program, const char* name) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    if (!name) return nullptr;
    // Compared as C strings: the game asks for its parameters by name every
    // frame, and std::string's comparison may throw, which in the browser
    // build sends each call through JavaScript's exception handling.
    for (const auto& p : program->params)
        if (std::strcmp(p->node.name.c_str(), name) == 0) return p.get();
    for (const auto& domain : program->domains)
        if (CGparameter found = cgGetNamedParameter(domain.get(), name)) return found;
    return nullptr;
}

CGparameter cgGetNamedProgramParameter(CGprogram program, CGenum nameSpace, const char* name) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    bool empty = false;
    if (!programNamespace(nameSpace, empty) || empty) return nullptr;
    return cgGetNamedParameter(program, name);
}

CGparameter cgGetFirstParameter(CGprogram program, CGenum nameSpace) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    bool empty = false;
    if (!programNamespace(nameSpace, empty) || empty) return nullptr;
    return firstOf(*program);
}

CGparameter cgGetNextParameter(CGparameter current) {
    return checkParameter(current) ? current->next : nullptr;
}

CGparameter cgGetFirstLeafParameter(CGprogram program, CGenum nameSpace) {
    CGparameter first = cgGetFirstParameter(program, nameSpace);
    return first ? firstLeafFrom(first) : nullptr;
}

CGparameter cgGetNextLeafParameter(CGparameter current) {
    if (!checkParameter(current)) return nullptr;
    return firstLeafFrom(following(current));
}

CGparameter cgGetFirstStructParameter(CGparameter param) {
    if (!checkParameter(param)) return nullptr;
    if (param->node.kind != cgc::ParameterKind::Struct) {
        raise(CG_INVALID_PARAMETER_TYPE_ERROR);
        return nullptr;
    }
    return param->children.empty() ? nullptr : param->children.front();
}

// An array of arrays is one array of more dimensions.
int cgGetArrayDimension(CGparameter param) {
    if (!checkParameter(param)) return 0;
    int dimensions = 0;
    for (const _CGparameter* p = param; p->node.kind == cgc::ParameterKind::Array && !p->children.empty();
         p = p->children.front())
        ++dimensions;
    return dimensions;
}

int cgGetArraySize(CGparameter param, int dimension) {
    if (!checkParameter(param)) return 0;
    if (param->node.kind != cgc::ParameterKind::Array) {
        raise(CG_ARRAY_PARAM_ERROR);
        return 0;
    }
    if (dimension < 0 || dimension >= cgGetArrayDimension(param)) {
        raise(CG_INVALID_DIMENSION_ERROR);
        return 0;
    }
    const _CGparameter* p = param;
    for (int d = 0; d < dimension; ++d) p = p->children.front();
    return static_cast<int>(p->children.size());
}

CGparameter cgGetArrayParameter(CGparameter param, int index) {
    if (!checkParameter(param)) return nullptr;
    if (param->node.kind != cgc::ParameterKind::Array) {
        raise(CG_ARRAY_PARAM_ERROR);
        return nullptr;
    }
    if (index < 0 || static_cast<size_t>(index) >= param->children.size()) {
        raise(CG_OUT_OF_ARRAY_BOUNDS_ERROR);
        return nullptr;
    }
    return param->children[static_cast<size_t>(index)];
}

CGprogram cgGetParameterProgram(CGparameter param) {
    return checkParameter(param) ? param->program : nullptr;
}

const char* cgGetParameterName(CGparameter param) {
    return checkParameter(param) ? param->node.name.c_str() : nullptr;
}

CGtype cgGetParameterType(CGparameter param) {
    if (!checkParameter(param)) return CG_UNKNOWN_TYPE;
    switch (param->node.kind) {
    case cgc::ParameterKind::Struct: return CG_STRUCT;
    case cgc::ParameterKind::Array: return CG_ARRAY;
    case cgc::ParameterKind::Leaf: break;
    }
    return param->isString ? CG_STRING : typeEnum(param->node.type);
}

CGtype cgGetParameterNamedType(CGparameter param) {
    if (!checkParameter(param)) return CG_UNKNOWN_TYPE;
    if (param->node.kind == cgc::ParameterKind::Struct) return CG_STRUCT;
    return param->isString ? CG_STRING : typeEnum(param->node.type.element());
}

CGtype cgGetParameterBaseType(CGparameter param) {
    if (!checkParameter(param)) return CG_UNKNOWN_TYPE;
    const cgc::Type* t = valueType(param);
    if (!t || t->element().base == cgc::BaseType::Struct) return CG_STRUCT;
    return param->isString ? CG_STRING : baseTypeEnum(t->element());
}

const char* cgGetParameterSemantic(CGparameter param) {
    if (!checkParameter(param)) return nullptr;
    return (param->hasSemanticOverride ? param->semanticOverride : param->node.semantic).c_str();
}

CGenum cgGetParameterVariability(CGparameter param) {
    if (!checkParameter(param)) return CG_ERROR;
    if (param->node.mixed) return CG_MIXED;
    if (param->node.varying) return CG_VARYING;
    return param->literal ? CG_LITERAL : CG_UNIFORM;
}

CGenum cgGetParameterDirection(CGparameter param) {
    if (!checkParameter(param)) return CG_ERROR;
    switch (param->node.direction) {
    case cgc::ParameterDirection::Out: return CG_OUT;
    case cgc::ParameterDirection::InOut: return CG_INOUT;
    case cgc::ParameterDirection::In: break;
    }
    return CG_IN;
}

// Arrays report their elements' shape; structs and samplers have none.
int cgGetParameterRows(CGparameter param) {
    if (!checkParameter(param)) return 0;
    const cgc::Type* t = valueType(param);
    return t && t->element().isNumeric() ? t->element().rows : 0;
}

int cgGetParameterColumns(CGparameter param) {
    if (!checkParameter(param)) return 0;
    const cgc::Type* t = valueType(param);
    return t && t->element().isNumeric() ? t->element().cols : 0;
}

}  // extern "C"
