// Error codes, their texts and the error callback.
#include "runtime/runtime_state.h"

namespace cgrt {

RuntimeState& state() {
    static RuntimeState s;
    return s;
}

void raise(CGerror error) {
    state().error = error;
    if (state().callback) state().callback();
}

bool validContext(CGcontext c) { return c && state().contexts.count(c); }
bool validProgram(CGprogram p) { return p && state().programs.count(p); }
bool validParameter(CGparameter p) { return p && state().parameters.count(p); }

}  // namespace cgrt

extern "C" {

void cgSetErrorCallback(CGerrorCallbackFunc callback) { cgrt::state().callback = callback; }

CGerror cgGetError(void) {
    CGerror e = cgrt::state().error;
    cgrt::state().error = CG_NO_ERROR;
    return e;
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
    case CG_INVALID_CONTEXT_HANDLE_ERROR: return "Invalid context handle.";
    case CG_INVALID_PROGRAM_HANDLE_ERROR: return "Invalid program handle.";
    case CG_INVALID_PARAM_HANDLE_ERROR: return "Invalid parameter handle.";
    case CG_NOT_4x4_MATRIX_ERROR: return "The parameter must be a 4x4 matrix.";
    case CG_MEMORY_ALLOC_ERROR: return "Memory allocation failed.";
    case CG_FILE_READ_ERROR: return "The source file could not be read.";
    case CG_INVALID_DIMENSION_ERROR: return "The array dimension is not valid.";
    case CG_ARRAY_PARAM_ERROR: return "The parameter is an array, or must be one, for this operation.";
    case CG_OUT_OF_ARRAY_BOUNDS_ERROR: return "The index is outside the bounds of the array.";
    case CG_INVALID_PARAMETER_TYPE_ERROR: return "The parameter has the wrong type for this operation.";
    case CG_INVALID_POINTER_ERROR: return "A pointer argument is null.";
    case CG_NOT_ENOUGH_DATA_ERROR: return "Not enough values were given for the parameter.";
    case CG_NON_NUMERIC_PARAMETER_ERROR: return "The parameter is not numeric.";
    case CG_CANNOT_SET_NON_UNIFORM_PARAMETER_ERROR: return "Only uniform parameters hold values.";
    }
    return "Unknown error.";
}

}  // extern "C"
