// What else a parameter tells: its class, members by name, index, whether
// it is global or used, its context; variability, semantic, default values.
#include <cctype>
#include <cstring>

#include "runtime/parameter_checks.h"
#include "runtime/program_state.h"
#include "runtime/type_enums.h"

using namespace cgrt;

namespace {

// How often the code names an identifier, whole words only.
int mentions(const std::string& code, const std::string& name) {
    auto wordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
    int count = 0;
    for (size_t at = code.find(name); at != std::string::npos; at = code.find(name, at + 1)) {
        size_t end = at + name.size();
        if ((at == 0 || !wordChar(code[at - 1])) && (end == code.size() || !wordChar(code[end]))) ++count;
    }
    return count;
}

// Whether the program's code reads the parameter: entry parameters are the
// program's interface; a global uniform, when the generated code names it
// beyond its declaration.
bool referenced(const _CGparameter& p) {
    if (!p.program) return false;
    if (!p.node.global) return true;
    if (p.isUniformLeaf) {
        // An element or member of a GLSL array or struct: the array or struct is what the code names.
        const std::string& name = p.leaf.glslName;
        return mentions(p.program->glsl, name.substr(0, name.find_first_of("[."))) > 1;
    }
    for (const _CGparameter* child : p.children)
        if (referenced(*child)) return true;
    return false;
}

bool usedBy(const _CGparameter& p, CGhandle handle) {
    if (handle == &p) return true;
    if (p.program && (handle == p.program || handle == p.program->combined)) return referenced(p);
    for (const _CGparameter* to : p.connectedTo)
        if (usedBy(*to, handle)) return true;
    for (const _CGparameter* up = p.parent; up; up = up->parent)
        if (handle == up) return true;
    return false;
}

const std::string& ownName(const _CGparameter& p) { return p.node.name; }

}  // namespace

extern "C" {

CGparameterclass cgGetParameterClass(CGparameter param) {
    if (!checkParameter(param)) return CG_PARAMETERCLASS_UNKNOWN;
    switch (param->node.kind) {
    case cgc::ParameterKind::Struct: return CG_PARAMETERCLASS_STRUCT;
    case cgc::ParameterKind::Array: return CG_PARAMETERCLASS_ARRAY;
    case cgc::ParameterKind::Leaf: break;
    }
    if (param->isString) return CG_PARAMETERCLASS_OBJECT;
    const cgc::Type& t = param->node.type;
    if (t.isSampler()) return CG_PARAMETERCLASS_SAMPLER;
    if (t.isMatrix()) return CG_PARAMETERCLASS_MATRIX;
    if (t.isVector()) return CG_PARAMETERCLASS_VECTOR;
    return t.isScalar() ? CG_PARAMETERCLASS_SCALAR : CG_PARAMETERCLASS_UNKNOWN;
}

CGparameter cgGetNamedStructParameter(CGparameter param, const char* name) {
    if (!checkParameter(param)) return nullptr;
    if (param->node.kind != cgc::ParameterKind::Struct) {
        raise(CG_INVALID_PARAMETER_TYPE_ERROR);
        return nullptr;
    }
    if (!checkPointer(name)) return nullptr;
    std::string full = ownName(*param) + "." + name;
    for (_CGparameter* member : param->children)
        if (member->node.name == full) return member;
    return nullptr;
}

CGparameter cgGetNamedSubParameter(CGparameter param, const char* name) {
    if (!checkParameter(param) || !checkPointer(name)) return nullptr;
    std::string full = ownName(*param) + (name[0] == '[' ? "" : ".") + name;
    std::vector<_CGparameter*> pending(param->children.begin(), param->children.end());
    for (size_t i = 0; i < pending.size(); ++i) {
        if (pending[i]->node.name == full) return pending[i];
        pending.insert(pending.end(), pending[i]->children.begin(), pending[i]->children.end());
    }
    return nullptr;
}

int cgGetParameterIndex(CGparameter param) {
    if (!checkParameter(param)) return -1;
    const _CGparameter* parent = param->parent;
    if (!parent || parent->node.kind != cgc::ParameterKind::Array) return -1;
    for (size_t i = 0; i < parent->children.size(); ++i)
        if (parent->children[i] == param) return static_cast<int>(i);
    return -1;
}

// Its place among the program's parameters, in the order they are listed.
int cgGetParameterOrdinalNumber(CGparameter param) {
    if (!checkParameter(param)) return 0;
    return param->program ? static_cast<int>(param->order) : 0;
}

CGbool cgIsParameterGlobal(CGparameter param) {
    if (!checkParameter(param)) return CG_FALSE;
    return !param->program || param->node.global ? CG_TRUE : CG_FALSE;
}

CGbool cgIsParameterReferenced(CGparameter param) {
    return checkParameter(param) && referenced(*param) ? CG_TRUE : CG_FALSE;
}

CGbool cgIsParameterUsed(CGparameter param, CGhandle handle) {
    if (!checkParameter(param)) return CG_FALSE;
    return usedBy(*param, handle) ? CG_TRUE : CG_FALSE;
}

CGcontext cgGetParameterContext(CGparameter param) { return checkParameter(param) ? contextOf(*param) : nullptr; }

CGtype cgGetArrayType(CGparameter param) {
    if (!checkParameter(param)) return CG_UNKNOWN_TYPE;
    if (param->node.kind != cgc::ParameterKind::Array) {
        raise(CG_ARRAY_PARAM_ERROR);
        return CG_UNKNOWN_TYPE;
    }
    const _CGparameter* element = param;
    while (element->node.kind == cgc::ParameterKind::Array && !element->children.empty())
        element = element->children.front();
    return cgGetParameterType(const_cast<_CGparameter*>(element));
}

int cgGetArrayTotalSize(CGparameter param) {
    if (!checkParameter(param)) return 0;
    if (param->node.kind != cgc::ParameterKind::Array) {
        raise(CG_ARRAY_PARAM_ERROR);
        return 0;
    }
    int total = 1;
    for (int d = 0, n = cgGetArrayDimension(param); d < n; ++d) total *= cgGetArraySize(param, d);
    return total;
}

// The compiler gives every array its size; only unsized arrays could change.
void cgSetArraySize(CGparameter param, int) {
    if (!checkParameter(param)) return;
    raise(param->node.kind == cgc::ParameterKind::Array ? CG_PARAMETER_IS_NOT_RESIZABLE_ARRAY_ERROR
                                                        : CG_ARRAY_PARAM_ERROR);
}

void cgSetMultiDimArraySize(CGparameter param, const int* sizes) {
    if (!checkParameter(param) || !checkPointer(sizes)) return;
    cgSetArraySize(param, sizes[0]);
}

// Uniform buffers belong to profiles with buffers; there are none here.
CGparameter cgGetNamedProgramUniformBuffer(CGprogram program, const char*) {
    if (!validProgram(program)) raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
    return nullptr;
}

const char* cgGetUniformBufferBlockName(CGparameter param) {
    checkParameter(param);
    return nullptr;
}

CGparameter cgGetFirstUniformBufferParameter(CGparameter param) {
    if (checkParameter(param)) raise(CG_INVALID_PARAMETER_TYPE_ERROR, "(not a uniform buffer)");
    return nullptr;
}

CGparameter cgGetNamedUniformBufferParameter(CGparameter param, const char*) {
    return cgGetFirstUniformBufferParameter(param);
}

void cgSetParameterSemantic(CGparameter param, const char* semantic) {
    if (!checkParameter(param) || !checkPointer(semantic)) return;
    param->semanticOverride = semantic;
    param->hasSemanticOverride = true;
}

// Literal parameters ask for a compile, as the context's auto-compile mode
// says; their values still reach the program as uniforms.
void cgSetParameterVariability(CGparameter param, CGenum vary) {
    if (!checkParameter(param)) return;
    if (vary != CG_UNIFORM && vary != CG_LITERAL && vary != CG_DEFAULT) return raise(CG_INVALID_ENUMERANT_ERROR);
    if (param->node.varying) return raise(CG_INVALID_PARAMETER_VARIABILITY_ERROR);
    bool literal = vary == CG_LITERAL;
    std::vector<_CGparameter*> pending{param};
    for (size_t i = 0; i < pending.size(); ++i) {
        pending[i]->literal = literal;
        pending.insert(pending.end(), pending[i]->children.begin(), pending[i]->children.end());
    }
    if (param->program) markUncompiled(*param->program);
}

CGenum cgGetMatrixParameterOrder(CGparameter param) {
    if (!checkParameter(param)) return CG_UNKNOWN;
    if (cgGetParameterClass(param) != CG_PARAMETERCLASS_MATRIX) {
        raise(CG_NOT_MATRIX_PARAM_ERROR);
        return CG_UNKNOWN;
    }
    return CG_ROW_MAJOR;
}

}  // extern "C"
