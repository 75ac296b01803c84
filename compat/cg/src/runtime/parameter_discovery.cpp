// Finding parameters: by name, by walking the program's tree, and what each
// one is (name, type, semantic, variability, direction, shape).
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

// The parameter after p in depth-first order, or null.
_CGparameter* following(const _CGparameter* p) {
    const auto& all = p->program->params;
    return p->order + 1 < all.size() ? all[p->order + 1].get() : nullptr;
}

_CGparameter* firstLeafFrom(_CGparameter* p) {
    while (p && !isLeaf(p)) p = following(p);
    return p;
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
    for (const auto& p : program->params)
        if (p->node.name == name) return p.get();
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
    if (!programNamespace(nameSpace, empty) || empty || program->params.empty()) return nullptr;
    return program->params.front().get();
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

int cgGetArrayDimension(CGparameter param) {
    if (!checkParameter(param)) return 0;
    return param->node.kind == cgc::ParameterKind::Array ? 1 : 0;
}

int cgGetArraySize(CGparameter param, int dimension) {
    if (!checkParameter(param)) return 0;
    if (param->node.kind != cgc::ParameterKind::Array) {
        raise(CG_ARRAY_PARAM_ERROR);
        return 0;
    }
    if (dimension != 0) {
        raise(CG_INVALID_DIMENSION_ERROR);
        return 0;
    }
    return static_cast<int>(param->children.size());
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
    return typeEnum(param->node.type);
}

CGtype cgGetParameterNamedType(CGparameter param) {
    if (!checkParameter(param)) return CG_UNKNOWN_TYPE;
    if (param->node.kind == cgc::ParameterKind::Struct) return CG_STRUCT;
    return typeEnum(param->node.type.element());
}

CGtype cgGetParameterBaseType(CGparameter param) {
    if (!checkParameter(param)) return CG_UNKNOWN_TYPE;
    const cgc::Type* t = valueType(param);
    if (!t || t->element().base == cgc::BaseType::Struct) return CG_STRUCT;
    return baseTypeEnum(t->element());
}

const char* cgGetParameterSemantic(CGparameter param) {
    return checkParameter(param) ? param->node.semantic.c_str() : nullptr;
}

CGenum cgGetParameterVariability(CGparameter param) {
    if (!checkParameter(param)) return CG_ERROR;
    if (param->node.mixed) return CG_MIXED;
    return param->node.varying ? CG_VARYING : CG_UNIFORM;
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
