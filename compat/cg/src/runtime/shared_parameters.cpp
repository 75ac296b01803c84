#include "runtime/shared_parameters.h"

#include <algorithm>

#include "runtime/parameter_checks.h"
#include "runtime/type_enums.h"

using namespace cgrt;

namespace cgrt {
namespace {

void copyValue(const _CGparameter& from, _CGparameter& to) {
    if (to.isUniformLeaf && from.isUniformLeaf && to.leaf.value.size() == from.leaf.value.size())
        to.leaf.value = from.leaf.value;
    to.texture = from.texture;
    to.stringValue = from.stringValue;
}

bool follows(const _CGparameter* p, const _CGparameter* ancestor) {
    for (; p; p = p->source)
        if (p == ancestor) return true;
    return false;
}

void unlinkFromSource(_CGparameter& to) {
    if (!to.source) return;
    auto& list = to.source->connectedTo;
    list.erase(std::remove(list.begin(), list.end(), &to), list.end());
    to.source = nullptr;
}

// The context's own parameter with its elements (for arrays), registered.
_CGparameter* makeShared(_CGcontext& context, const std::string& name, const cgc::Type& type, bool isString,
                         const std::vector<int>& lengths, size_t dim, _CGparameter* parent) {
    auto param = std::make_unique<_CGparameter>();
    _CGparameter* p = param.get();
    p->context = &context;
    p->parent = parent;
    p->node.name = name;
    p->isString = isString;
    if (dim < lengths.size()) {
        p->node.kind = cgc::ParameterKind::Array;
        p->node.type = type;
        p->node.type.arraySize = lengths[dim];
    } else {
        p->node.type = type;
        p->isUniformLeaf = !isString;
        p->leaf.name = name;
        p->leaf.type = type;
        p->leaf.value.assign(static_cast<size_t>(type.isSampler() ? 0 : type.components()), 0.0f);
        p->defaultValue = p->leaf.value;
    }
    context.sharedParameters.push_back(std::move(param));
    state().parameters.insert(p);
    if (dim < lengths.size())
        for (int i = 0; i < lengths[dim]; ++i) {
            _CGparameter* element =
                makeShared(context, name + "[" + std::to_string(i) + "]", type, isString, lengths, dim + 1, p);
            if (!p->children.empty()) p->children.back()->next = element;
            p->children.push_back(element);
        }
    return p;
}

CGparameter createShared(CGcontext context, CGtype type, const std::vector<int>& lengths) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return nullptr;
    }
    cgc::Type t;
    bool isString = type == CG_STRING;
    if (!isString && !typeOfEnum(type, t)) {
        raise(CG_INVALID_VALUE_TYPE_ERROR);
        return nullptr;
    }
    for (int length : lengths)
        if (length <= 0) {
            raise(CG_INVALID_PARAMETER_ERROR, "(an array length must be positive)");
            return nullptr;
        }
    return makeShared(*context, "", t, isString, lengths, 0, nullptr);
}

}  // namespace

bool sameShape(const _CGparameter& a, const _CGparameter& b) {
    if (a.node.kind != b.node.kind || a.children.size() != b.children.size() || a.isString != b.isString) return false;
    if (a.node.kind == cgc::ParameterKind::Leaf) {
        const cgc::Type& x = a.node.type;
        const cgc::Type& y = b.node.type;
        if (x.base != y.base || x.shape != y.shape || x.rows != y.rows || x.cols != y.cols) return false;
    }
    for (size_t i = 0; i < a.children.size(); ++i)
        if (!sameShape(*a.children[i], *b.children[i])) return false;
    return true;
}

void connectParameters(_CGparameter& from, _CGparameter& to) {
    unlinkFromSource(to);
    to.source = &from;
    from.connectedTo.push_back(&to);
    copyValue(from, to);
    ++to.version;
    for (size_t i = 0; i < from.children.size(); ++i) connectParameters(*from.children[i], *to.children[i]);
    if (to.program) sendIfActive(to);
}

void propagate(_CGparameter& p) {
    for (_CGparameter* to : p.connectedTo) {
        copyValue(p, *to);
        valueChanged(*to);
    }
}

void disconnectAll(_CGparameter& p) {
    unlinkFromSource(p);
    for (_CGparameter* to : p.connectedTo) to->source = nullptr;
    p.connectedTo.clear();
}

void markDuplicate(_CGparameter& p) {
    p.duplicate = true;
    for (_CGparameter* child : p.children) markDuplicate(*child);
}

void forgetSharedParameters(_CGcontext& context) {
    for (const auto& p : context.sharedParameters) {
        disconnectAll(*p);
        state().parameters.erase(p.get());
    }
    context.sharedParameters.clear();
}

}  // namespace cgrt

extern "C" {

CGparameter cgCreateParameter(CGcontext context, CGtype type) { return createShared(context, type, {}); }

CGparameter cgCreateParameterArray(CGcontext context, CGtype type, int length) {
    return createShared(context, type, {length});
}

CGparameter cgCreateParameterMultiDimArray(CGcontext context, CGtype type, int dim, const int* lengths) {
    if (dim <= 0) {
        raise(CG_INVALID_DIMENSION_ERROR);
        return nullptr;
    }
    if (!checkPointer(lengths)) return nullptr;
    return createShared(context, type, std::vector<int>(lengths, lengths + dim));
}

void cgDestroyParameter(CGparameter param) {
    if (!checkParameter(param)) return;
    if (param->program) return raise(CG_CANNOT_DESTROY_PARAMETER_ERROR);
    if (param->parent) return raise(CG_NOT_ROOT_PARAMETER_ERROR);
    // The parameter and its elements go; those that followed them keep their values.
    std::vector<_CGparameter*> doomed{param};
    for (size_t i = 0; i < doomed.size(); ++i)
        for (_CGparameter* child : doomed[i]->children) doomed.push_back(child);
    auto& owned = param->context->sharedParameters;
    for (_CGparameter* p : doomed) {
        disconnectAll(*p);
        state().parameters.erase(p);
    }
    owned.erase(std::remove_if(owned.begin(), owned.end(),
                               [&](const std::unique_ptr<_CGparameter>& p) {
                                   return std::find(doomed.begin(), doomed.end(), p.get()) != doomed.end();
                               }),
                owned.end());
}

void cgConnectParameter(CGparameter from, CGparameter to) {
    if (!checkParameter(from) || !checkParameter(to)) return;
    if (from->parent || to->parent) return raise(CG_NOT_ROOT_PARAMETER_ERROR);
    if (!sameShape(*from, *to)) return raise(CG_PARAMETERS_DO_NOT_MATCH_ERROR);
    if (follows(from, to)) return raise(CG_BIND_CREATES_CYCLE_ERROR);
    connectParameters(*from, *to);
}

void cgDisconnectParameter(CGparameter param) {
    if (!checkParameter(param)) return;
    unlinkFromSource(*param);
    for (_CGparameter* child : param->children) cgDisconnectParameter(child);
}

CGparameter cgGetConnectedParameter(CGparameter param) { return checkParameter(param) ? param->source : nullptr; }

int cgGetNumConnectedToParameters(CGparameter param) {
    return checkParameter(param) ? static_cast<int>(param->connectedTo.size()) : 0;
}

CGparameter cgGetConnectedToParameter(CGparameter param, int index) {
    if (!checkParameter(param)) return nullptr;
    if (index < 0 || static_cast<size_t>(index) >= param->connectedTo.size()) {
        raise(CG_OUT_OF_ARRAY_BOUNDS_ERROR);
        return nullptr;
    }
    return param->connectedTo[static_cast<size_t>(index)];
}

const char* cgGetStringParameterValue(CGparameter param) {
    if (!checkParameter(param)) return nullptr;
    if (!param->isString) {
        raise(CG_INVALID_PARAMETER_ERROR, "(not a string parameter)");
        return nullptr;
    }
    return param->stringValue.c_str();
}

void cgSetStringParameterValue(CGparameter param, const char* str) {
    if (!checkParameter(param)) return;
    if (!param->isString) return raise(CG_INVALID_PARAMETER_ERROR, "(not a string parameter)");
    if (!checkPointer(str)) return;
    param->stringValue = str;
    valueChanged(*param);
}

}  // extern "C"
