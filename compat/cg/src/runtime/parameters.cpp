// Parameters: look-up by name, values in and out, textures.
#include <algorithm>
#include <cstring>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/runtime_state.h"

using namespace cgrt;

namespace {

bool numericParameter(CGparameter p) {
    if (!validParameter(p)) {
        raise(CG_INVALID_PARAM_HANDLE_ERROR);
        return false;
    }
    if (p->leaf.type.isSampler()) {
        raise(CG_INVALID_PARAMETER_TYPE_ERROR);
        return false;
    }
    return true;
}

void changed(_CGparameter& p) {
    ++p.version;
    sendIfActive(p);
}

// Converts between the column-major layout of the GL calls and the row-by-row
// values kept per parameter.
void copyMatrix(const cgc::Type& t, const float* from, float* to, bool columnsToRows) {
    for (int r = 0; r < t.rows; ++r)
        for (int c = 0; c < t.cols; ++c) {
            int row = r * t.cols + c, column = c * t.rows + r;
            if (columnsToRows) to[row] = from[column];
            else to[column] = from[row];
        }
}

GLenum textureTarget(cgc::BaseType sampler) {
    switch (sampler) {
    case cgc::BaseType::Sampler1D: return GL_TEXTURE_1D;
    case cgc::BaseType::Sampler3D: return GL_TEXTURE_3D;
    case cgc::BaseType::SamplerCube: return GL_TEXTURE_CUBE_MAP;
    case cgc::BaseType::SamplerRect: return GL_TEXTURE_RECTANGLE_ARB;
    default: return GL_TEXTURE_2D;
    }
}

}  // namespace

extern "C" {

CGparameter cgGetNamedParameter(CGprogram program, const char* name) {
    if (!validProgram(program)) {
        raise(CG_INVALID_PROGRAM_HANDLE_ERROR);
        return nullptr;
    }
    if (!name) return nullptr;
    for (const auto& p : program->params)
        if (p->leaf.name == name) return p.get();
    return nullptr;
}

void cgSetParameter4fv(CGparameter param, const float* v) {
    if (!numericParameter(param)) return;
    if (param->leaf.type.isMatrix()) return raise(CG_INVALID_PARAMETER_TYPE_ERROR);
    if (!v) return raise(CG_INVALID_PARAMETER_ERROR);
    for (size_t i = 0; i < param->leaf.value.size(); ++i) param->leaf.value[i] = v[i];
    changed(*param);
}

int cgGetParameterValuefr(CGparameter param, int n, float* values) {
    if (!numericParameter(param)) return 0;
    if (n < 0 || (n > 0 && !values)) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return 0;
    }
    size_t count = std::min(param->leaf.value.size(), static_cast<size_t>(n));
    std::memcpy(values, param->leaf.value.data(), count * sizeof(float));
    return static_cast<int>(count);
}

void cgGLSetMatrixParameterfc(CGparameter param, const float* matrix) {
    if (!numericParameter(param)) return;
    const cgc::Type& t = param->leaf.type;
    if (!t.isMatrix()) return raise(CG_NOT_MATRIX_PARAM_ERROR);
    if (!matrix) return raise(CG_INVALID_PARAMETER_ERROR);
    copyMatrix(t, matrix, param->leaf.value.data(), true);
    changed(*param);
}

void cgGLGetMatrixParameterfc(CGparameter param, float* matrix) {
    if (!numericParameter(param)) return;
    const cgc::Type& t = param->leaf.type;
    if (!t.isMatrix()) return raise(CG_NOT_MATRIX_PARAM_ERROR);
    if (!matrix) return raise(CG_INVALID_PARAMETER_ERROR);
    copyMatrix(t, param->leaf.value.data(), matrix, false);
}

void cgGLSetTextureParameter(CGparameter param, unsigned int texture) {
    if (!validParameter(param)) return raise(CG_INVALID_PARAM_HANDLE_ERROR);
    if (!param->leaf.type.isSampler()) return raise(CG_INVALID_PARAMETER_TYPE_ERROR);
    param->texture = texture;
}

void cgGLEnableTextureParameter(CGparameter param) {
    if (!validParameter(param)) return raise(CG_INVALID_PARAM_HANDLE_ERROR);
    if (!param->leaf.type.isSampler()) return raise(CG_INVALID_PARAMETER_TYPE_ERROR);
    if (!loadGL()) return raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    gl.glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(param->leaf.unit));
    gl.glBindTexture(textureTarget(param->leaf.type.base), param->texture);
    gl.glActiveTexture(GL_TEXTURE0);
}

}  // extern "C"
