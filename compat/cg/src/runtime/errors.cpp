// Error codes, their texts, the error callback and the error handler.
#include "runtime/runtime_state.h"

namespace cgrt {

RuntimeState& state() {
    static RuntimeState s;
    return s;
}

void raise(CGerror error) { raise(error, std::string()); }

void raise(CGerror error, const std::string& detail) {
    RuntimeState& s = state();
    s.error = error;
    if (s.firstError == CG_NO_ERROR) s.firstError = error;
    s.errorDetail = detail;
    _CGcontext* context = s.callContext && s.contexts.count(s.callContext) ? s.callContext : nullptr;
    if (s.handler) s.handler(context, error, s.handlerData);
    if (s.callback) s.callback();
}

bool noContext() {
    state().callContext = nullptr;
    return false;
}

bool validContext(CGcontext c) {
    if (!c || !state().contexts.count(c)) return noContext();
    state().callContext = c;
    return true;
}

bool validProgram(CGprogram p) {
    if (!p || !state().programs.count(p)) return noContext();
    state().callContext = p->context;
    return true;
}

bool validParameter(CGparameter p) {
    if (!p || !state().parameters.count(p)) return noContext();
    state().callContext = contextOf(*p);
    return true;
}

bool validBuffer(CGbuffer b) {
    if (!b || !state().buffers.count(b)) return noContext();
    state().callContext = b->context;
    return true;
}

_CGcontext* contextOf(const _CGparameter& p) { return p.program ? p.program->context : p.context; }

}  // namespace cgrt

extern "C" {

void cgSetErrorCallback(CGerrorCallbackFunc func) { cgrt::state().callback = func; }

CGerrorCallbackFunc cgGetErrorCallback(void) { return cgrt::state().callback; }

void cgSetErrorHandler(CGerrorHandlerFunc func, void* data) {
    cgrt::state().handler = func;
    cgrt::state().handlerData = data;
}

CGerrorHandlerFunc cgGetErrorHandler(void** data) {
    if (data) *data = cgrt::state().handlerData;
    return cgrt::state().handler;
}

CGerror cgGetError(void) {
    CGerror e = cgrt::state().error;
    cgrt::state().error = CG_NO_ERROR;
    return e;
}

CGerror cgGetFirstError(void) {
    CGerror e = cgrt::state().firstError;
    cgrt::state().firstError = CG_NO_ERROR;
    return e;
}

const char* cgGetLastErrorString(CGerror* error) {
    cgrt::RuntimeState& s = cgrt::state();
    CGerror e = cgGetError();
    if (error) *error = e;
    if (e == CG_NO_ERROR) return nullptr;
    s.lastErrorText = cgGetErrorString(e);
    if (!s.errorDetail.empty()) s.lastErrorText += " " + s.errorDetail;
    return s.lastErrorText.c_str();
}

const char* cgGetErrorString(CGerror error) {
    switch (error) {
    case CG_NO_ERROR: return "No error.";
    case CG_COMPILER_ERROR: return "The compile returned an error.";
    case CG_INVALID_PARAMETER_ERROR: return "The parameter cannot be used that way.";
    case CG_INVALID_PROFILE_ERROR: return "The profile is not supported.";
    case CG_PROGRAM_LOAD_ERROR: return "The program could not be loaded.";
    case CG_PROGRAM_BIND_ERROR: return "The program could not be bound (the vertex and fragment programs do not link).";
    case CG_PROGRAM_NOT_LOADED_ERROR: return "The program must be loaded before this operation.";
    case CG_UNSUPPORTED_GL_EXTENSION_ERROR: return "The OpenGL context lacks a function the runtime needs (OpenGL 2.0).";
    case CG_INVALID_VALUE_TYPE_ERROR: return "The value type is not valid for this operation.";
    case CG_NOT_MATRIX_PARAM_ERROR: return "The parameter is not a matrix.";
    case CG_INVALID_ENUMERANT_ERROR: return "The enumerant is not valid.";
    case CG_NOT_4x4_MATRIX_ERROR: return "The parameter must be a 4x4 matrix.";
    case CG_FILE_READ_ERROR: return "The source file could not be read.";
    case CG_FILE_WRITE_ERROR: return "The file could not be written.";
    case CG_NVPARSE_ERROR: return "The program could not be parsed.";
    case CG_MEMORY_ALLOC_ERROR: return "Memory allocation failed.";
    case CG_INVALID_CONTEXT_HANDLE_ERROR: return "Invalid context handle.";
    case CG_INVALID_PROGRAM_HANDLE_ERROR: return "Invalid program handle.";
    case CG_INVALID_PARAM_HANDLE_ERROR: return "Invalid parameter handle.";
    case CG_UNKNOWN_PROFILE_ERROR: return "The profile is not known.";
    case CG_VAR_ARG_ERROR: return "The variable arguments were given wrongly.";
    case CG_INVALID_DIMENSION_ERROR: return "The array dimension is not valid.";
    case CG_ARRAY_PARAM_ERROR: return "The parameter is an array, or must be one, for this operation.";
    case CG_OUT_OF_ARRAY_BOUNDS_ERROR: return "The index is outside the bounds of the array.";
    case CG_CONFLICTING_TYPES_ERROR: return "The types conflict.";
    case CG_CONFLICTING_PARAMETER_TYPES_ERROR: return "The parameters' types conflict.";
    case CG_PARAMETER_IS_NOT_SHARED_ERROR: return "The parameter is not a shared parameter.";
    case CG_INVALID_PARAMETER_VARIABILITY_ERROR: return "The parameter cannot take that variability.";
    case CG_CANNOT_DESTROY_PARAMETER_ERROR: return "Only parameters made with cgCreateParameter can be destroyed.";
    case CG_NOT_ROOT_PARAMETER_ERROR: return "The parameter is a member or element of another one.";
    case CG_PARAMETERS_DO_NOT_MATCH_ERROR: return "The parameters' types do not match.";
    case CG_IS_NOT_PROGRAM_PARAMETER_ERROR: return "The parameter does not belong to a program.";
    case CG_INVALID_PARAMETER_TYPE_ERROR: return "The parameter has the wrong type for this operation.";
    case CG_PARAMETER_IS_NOT_RESIZABLE_ARRAY_ERROR: return "The array's size cannot change.";
    case CG_INVALID_SIZE_ERROR: return "The size is not valid.";
    case CG_BIND_CREATES_CYCLE_ERROR: return "The connection would make a cycle.";
    case CG_ARRAY_TYPES_DO_NOT_MATCH_ERROR: return "The arrays' element types do not match.";
    case CG_ARRAY_DIMENSIONS_DO_NOT_MATCH_ERROR: return "The arrays' dimensions do not match.";
    case CG_ARRAY_HAS_WRONG_DIMENSION_ERROR: return "The array has the wrong number of dimensions.";
    case CG_TYPE_IS_NOT_DEFINED_IN_PROGRAM_ERROR: return "The type is not defined in the program.";
    case CG_INVALID_EFFECT_HANDLE_ERROR: return "Invalid effect handle.";
    case CG_INVALID_STATE_HANDLE_ERROR: return "Invalid state handle.";
    case CG_INVALID_STATE_ASSIGNMENT_HANDLE_ERROR: return "Invalid state assignment handle.";
    case CG_INVALID_PASS_HANDLE_ERROR: return "Invalid pass handle.";
    case CG_INVALID_ANNOTATION_HANDLE_ERROR: return "Invalid annotation handle.";
    case CG_INVALID_TECHNIQUE_HANDLE_ERROR: return "Invalid technique handle.";
    case CG_INVALID_PARAMETER_HANDLE_ERROR: return "Invalid parameter handle.";
    case CG_STATE_ASSIGNMENT_TYPE_MISMATCH_ERROR: return "The state assignment's type does not match.";
    case CG_INVALID_FUNCTION_HANDLE_ERROR: return "Invalid function handle.";
    case CG_INVALID_TECHNIQUE_ERROR: return "The technique is not valid.";
    case CG_INVALID_POINTER_ERROR: return "A pointer argument is null.";
    case CG_NOT_ENOUGH_DATA_ERROR: return "Not enough values were given for the parameter.";
    case CG_NON_NUMERIC_PARAMETER_ERROR: return "The parameter is not numeric.";
    case CG_ARRAY_SIZE_MISMATCH_ERROR: return "The arrays' sizes do not match.";
    case CG_CANNOT_SET_NON_UNIFORM_PARAMETER_ERROR: return "Only uniform parameters hold values.";
    case CG_DUPLICATE_NAME_ERROR: return "The name is already taken.";
    case CG_INVALID_OBJ_HANDLE_ERROR: return "Invalid object handle.";
    case CG_INVALID_BUFFER_HANDLE_ERROR: return "Invalid buffer handle.";
    case CG_BUFFER_INDEX_OUT_OF_RANGE_ERROR: return "The buffer index is out of range for the profile.";
    case CG_BUFFER_ALREADY_MAPPED_ERROR: return "The buffer is mapped.";
    case CG_BUFFER_UPDATE_NOT_ALLOWED_ERROR: return "The buffer cannot be changed while it is mapped.";
    case CG_GLSLG_UNCOMBINED_LOAD_ERROR: return "A geometry program must be combined before it is loaded.";
    }
    return "Unknown error.";
}

}  // extern "C"
