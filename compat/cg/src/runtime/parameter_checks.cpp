#include "runtime/parameter_checks.h"

#include "runtime/shared_parameters.h"

namespace cgrt {

bool checkParameter(CGparameter p) {
    if (validParameter(p)) return true;
    raise(CG_INVALID_PARAM_HANDLE_ERROR);
    return false;
}

bool checkUniformValue(CGparameter p) {
    if (!checkParameter(p)) return false;
    if (p->node.varying) {
        raise(CG_CANNOT_SET_NON_UNIFORM_PARAMETER_ERROR);
        return false;
    }
    if (!p->isUniformLeaf || !p->leaf.type.isNumeric()) {
        raise(p->node.kind == cgc::ParameterKind::Array ? CG_ARRAY_PARAM_ERROR : CG_INVALID_PARAMETER_TYPE_ERROR);
        return false;
    }
    return true;
}

bool checkSampler(CGparameter p) {
    if (!checkParameter(p)) return false;
    if (p->isUniformLeaf && p->leaf.type.isSampler()) return true;
    raise(CG_INVALID_PARAMETER_TYPE_ERROR);
    return false;
}

bool checkPointer(const void* p) {
    if (p) return true;
    raise(CG_INVALID_POINTER_ERROR);
    return false;
}

void valueChanged(_CGparameter& p) {
    ++p.version;
    // Deferred setting keeps the value until the program's next bind or
    // cgUpdateProgramParameters; the version says it is still to be sent.
    const _CGcontext* context = contextOf(p);
    if (p.program && context && context->settingMode == CG_IMMEDIATE_PARAMETER_SETTING) sendIfActive(p);
    propagate(p);
}

}  // namespace cgrt
