// Settings of a context and of the runtime: policies, behaviour, compile
// and parameter-setting modes; enumerant names and the version string.
#include <cstring>

#include "runtime/runtime_state.h"

using namespace cgrt;

namespace {

const struct {
    CGenum value;
    const char* name;
} enumNames[] = {
#define CGRT_ENUM(name) {name, #name},
    CGRT_ENUM(CG_UNKNOWN) CGRT_ENUM(CG_IN) CGRT_ENUM(CG_OUT) CGRT_ENUM(CG_INOUT) CGRT_ENUM(CG_MIXED)
    CGRT_ENUM(CG_VARYING) CGRT_ENUM(CG_UNIFORM) CGRT_ENUM(CG_CONSTANT) CGRT_ENUM(CG_PROGRAM_SOURCE)
    CGRT_ENUM(CG_PROGRAM_ENTRY) CGRT_ENUM(CG_COMPILED_PROGRAM) CGRT_ENUM(CG_PROGRAM_PROFILE) CGRT_ENUM(CG_GLOBAL)
    CGRT_ENUM(CG_PROGRAM) CGRT_ENUM(CG_DEFAULT) CGRT_ENUM(CG_ERROR) CGRT_ENUM(CG_SOURCE) CGRT_ENUM(CG_OBJECT)
    CGRT_ENUM(CG_COMPILE_MANUAL) CGRT_ENUM(CG_COMPILE_IMMEDIATE) CGRT_ENUM(CG_COMPILE_LAZY) CGRT_ENUM(CG_CURRENT)
    CGRT_ENUM(CG_LITERAL) CGRT_ENUM(CG_VERSION) CGRT_ENUM(CG_ROW_MAJOR) CGRT_ENUM(CG_COLUMN_MAJOR)
    CGRT_ENUM(CG_FRAGMENT) CGRT_ENUM(CG_VERTEX) CGRT_ENUM(CG_POINT) CGRT_ENUM(CG_LINE) CGRT_ENUM(CG_LINE_ADJ)
    CGRT_ENUM(CG_TRIANGLE) CGRT_ENUM(CG_TRIANGLE_ADJ) CGRT_ENUM(CG_POINT_OUT) CGRT_ENUM(CG_LINE_OUT)
    CGRT_ENUM(CG_TRIANGLE_OUT) CGRT_ENUM(CG_IMMEDIATE_PARAMETER_SETTING) CGRT_ENUM(CG_DEFERRED_PARAMETER_SETTING)
    CGRT_ENUM(CG_NO_LOCKS_POLICY) CGRT_ENUM(CG_THREAD_SAFE_POLICY) CGRT_ENUM(CG_FORCE_UPPER_CASE_POLICY)
    CGRT_ENUM(CG_UNCHANGED_CASE_POLICY) CGRT_ENUM(CG_IS_OPENGL_PROFILE) CGRT_ENUM(CG_IS_DIRECT3D_PROFILE)
    CGRT_ENUM(CG_IS_DIRECT3D_8_PROFILE) CGRT_ENUM(CG_IS_DIRECT3D_9_PROFILE) CGRT_ENUM(CG_IS_DIRECT3D_10_PROFILE)
    CGRT_ENUM(CG_IS_VERTEX_PROFILE) CGRT_ENUM(CG_IS_FRAGMENT_PROFILE) CGRT_ENUM(CG_IS_GEOMETRY_PROFILE)
    CGRT_ENUM(CG_IS_TRANSLATION_PROFILE) CGRT_ENUM(CG_IS_HLSL_PROFILE) CGRT_ENUM(CG_IS_GLSL_PROFILE)
    CGRT_ENUM(CG_IS_TESSELLATION_CONTROL_PROFILE) CGRT_ENUM(CG_IS_TESSELLATION_EVALUATION_PROFILE)
    CGRT_ENUM(CG_PATCH) CGRT_ENUM(CG_IS_DIRECT3D_11_PROFILE)
#undef CGRT_ENUM
};

const struct {
    CGbehavior value;
    const char* name;
} behaviorNames[] = {
    {CG_BEHAVIOR_LATEST, "latest"}, {CG_BEHAVIOR_2200, "2200"}, {CG_BEHAVIOR_3000, "3000"},
    {CG_BEHAVIOR_3100, "3100"},
};

}  // namespace

extern "C" {

// The runtime runs on its caller's thread alone; the locking policy is
// remembered for the asking.
CGenum cgSetLockingPolicy(CGenum lockingPolicy) {
    noContext();
    if (lockingPolicy != CG_NO_LOCKS_POLICY && lockingPolicy != CG_THREAD_SAFE_POLICY) {
        raise(CG_INVALID_ENUMERANT_ERROR);
        return CG_UNKNOWN;
    }
    CGenum old = state().lockingPolicy;
    state().lockingPolicy = lockingPolicy;
    return old;
}

CGenum cgGetLockingPolicy(void) { return state().lockingPolicy; }

// Semantics are matched without regard to case whatever the policy says.
CGenum cgSetSemanticCasePolicy(CGenum casePolicy) {
    noContext();
    if (casePolicy != CG_FORCE_UPPER_CASE_POLICY && casePolicy != CG_UNCHANGED_CASE_POLICY) {
        raise(CG_INVALID_ENUMERANT_ERROR);
        return CG_UNKNOWN;
    }
    CGenum old = state().semanticCasePolicy;
    state().semanticCasePolicy = casePolicy;
    return old;
}

CGenum cgGetSemanticCasePolicy(void) { return state().semanticCasePolicy; }

void cgSetContextBehavior(CGcontext context, CGbehavior behavior) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    if (behavior == CG_BEHAVIOR_LATEST) behavior = CG_BEHAVIOR_CURRENT;
    if (behavior != CG_BEHAVIOR_2200 && behavior != CG_BEHAVIOR_3000 && behavior != CG_BEHAVIOR_3100)
        return raise(CG_INVALID_ENUMERANT_ERROR);
    context->behavior = behavior;
}

CGbehavior cgGetContextBehavior(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return CG_BEHAVIOR_UNKNOWN;
    }
    return context->behavior;
}

const char* cgGetBehaviorString(CGbehavior behavior) {
    for (const auto& b : behaviorNames)
        if (b.value == behavior) return b.name;
    return nullptr;
}

CGbehavior cgGetBehavior(const char* behavior_string) {
    noContext();
    if (!behavior_string) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return CG_BEHAVIOR_UNKNOWN;
    }
    for (const auto& b : behaviorNames)
        if (std::strcmp(b.name, behavior_string) == 0) return b.value;
    return CG_BEHAVIOR_UNKNOWN;
}

// The handle is a context, or a program whose context takes the listing.
void cgSetLastListing(CGhandle handle, const char* listing) {
    _CGcontext* context = nullptr;
    if (validContext(static_cast<CGcontext>(handle))) context = static_cast<CGcontext>(handle);
    else if (validProgram(static_cast<CGprogram>(handle))) context = static_cast<CGprogram>(handle)->context;
    else if (validParameter(static_cast<CGparameter>(handle))) context = contextOf(*static_cast<CGparameter>(handle));
    if (!context) return raise(CG_INVALID_PARAMETER_ERROR);
    context->listing = listing ? listing : "";
    context->hasListing = listing != nullptr;
}

void cgSetAutoCompile(CGcontext context, CGenum autoCompileMode) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    if (autoCompileMode != CG_COMPILE_MANUAL && autoCompileMode != CG_COMPILE_IMMEDIATE &&
        autoCompileMode != CG_COMPILE_LAZY)
        return raise(CG_INVALID_ENUMERANT_ERROR);
    context->autoCompile = autoCompileMode;
}

CGenum cgGetAutoCompile(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return CG_UNKNOWN;
    }
    return context->autoCompile;
}

void cgSetParameterSettingMode(CGcontext context, CGenum parameterSettingMode) {
    if (!validContext(context)) return raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
    if (parameterSettingMode != CG_IMMEDIATE_PARAMETER_SETTING &&
        parameterSettingMode != CG_DEFERRED_PARAMETER_SETTING)
        return raise(CG_INVALID_ENUMERANT_ERROR);
    bool leavingDeferred = context->settingMode == CG_DEFERRED_PARAMETER_SETTING &&
                           parameterSettingMode == CG_IMMEDIATE_PARAMETER_SETTING;
    context->settingMode = parameterSettingMode;
    // Values kept back reach the programs in use now, as immediate setting promises.
    if (leavingDeferred)
        for (const auto& p : context->programs) {
            sendStale(p.get());
            for (const auto& domain : p->domains) sendStale(domain.get());
        }
}

CGenum cgGetParameterSettingMode(CGcontext context) {
    if (!validContext(context)) {
        raise(CG_INVALID_CONTEXT_HANDLE_ERROR);
        return CG_UNKNOWN;
    }
    return context->settingMode;
}

const char* cgGetString(CGenum sname) {
    noContext();
    if (sname == CG_VERSION) return "3.1.0013";
    raise(CG_INVALID_ENUMERANT_ERROR);
    return nullptr;
}

const char* cgGetEnumString(CGenum en) {
    for (const auto& e : enumNames)
        if (e.value == en) return e.name;
    return nullptr;
}

CGenum cgGetEnum(const char* enum_string) {
    noContext();
    if (!enum_string) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return CG_UNKNOWN;
    }
    for (const auto& e : enumNames)
        if (std::strcmp(e.name, enum_string) == 0) return e.value;
    return CG_UNKNOWN;
}

}  // extern "C"
