// cgGLSetStateMatrixParameter: a float4x4 parameter from OpenGL's current
// modelview, projection or texture matrix, or their product.
#include <cmath>
#include <utility>

#include "Cg/cgGL.h"
#include "runtime/gl_api.h"
#include "runtime/parameter_checks.h"
#include "runtime/profiles.h"

using namespace cgrt;

namespace {

// Column-major, as OpenGL keeps them: element (r, c) at 4c + r.
using Matrix = double[16];

void readGL(GLenum which, Matrix out) {
    GLdouble m[16];
    if (currentContextIsES()) {
        // ES has no fixed-function matrices: they stay what a fresh desktop
        // context holds, the identity.
        for (int i = 0; i < 16; ++i) out[i] = i % 5 == 0 ? 1.0 : 0.0;
        return;
    }
    glGetDoublev(which, m);
    for (int i = 0; i < 16; ++i) out[i] = m[i];
}

void multiply(const Matrix a, const Matrix b, Matrix out) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[4 * k + r] * b[4 * c + k];
            out[4 * c + r] = sum;
        }
}

void transpose(Matrix m) {
    for (int r = 0; r < 4; ++r)
        for (int c = r + 1; c < 4; ++c) std::swap(m[4 * c + r], m[4 * r + c]);
}

// Gauss-Jordan elimination with partial pivoting; false when m is singular.
bool invert(Matrix m) {
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            a[r][c] = m[4 * c + r];
            a[r][c + 4] = r == c ? 1.0 : 0.0;
        }
    double scale = 0;
    for (int i = 0; i < 16; ++i) scale = std::fmax(scale, std::fabs(m[i]));
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        if (!(std::fabs(a[pivot][col]) > scale * 1e-12)) return false;
        if (pivot != col)
            for (int c = 0; c < 8; ++c) std::swap(a[pivot][c], a[col][c]);
        double p = a[col][col];
        for (int c = 0; c < 8; ++c) a[col][c] /= p;
        for (int r = 0; r < 4; ++r) {
            if (r == col) continue;
            double f = a[r][col];
            for (int c = 0; c < 8; ++c) a[r][c] -= f * a[col][c];
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m[4 * c + r] = a[r][c + 4];
    return true;
}

bool readState(CGGLenum matrix, Matrix out) {
    switch (matrix) {
    case CG_GL_MODELVIEW_MATRIX: readGL(GL_MODELVIEW_MATRIX, out); return true;
    case CG_GL_PROJECTION_MATRIX: readGL(GL_PROJECTION_MATRIX, out); return true;
    case CG_GL_TEXTURE_MATRIX: readGL(GL_TEXTURE_MATRIX, out); return true;
    case CG_GL_MODELVIEW_PROJECTION_MATRIX: {
        Matrix modelview, projection;
        readGL(GL_MODELVIEW_MATRIX, modelview);
        readGL(GL_PROJECTION_MATRIX, projection);
        multiply(projection, modelview, out);
        return true;
    }
    default: return false;
    }
}

}  // namespace

extern "C" {

void cgGLSetStateMatrixParameter(CGparameter param, CGGLenum matrix, CGGLenum transform) {
    if (!checkUniformValue(param)) return;
    const cgc::Type& t = param->leaf.type;
    if (!t.isMatrix() || t.rows != 4 || t.cols != 4 || t.base != cgc::BaseType::Float)
        return raise(CG_NOT_4x4_MATRIX_ERROR);
    if (transform < CG_GL_MATRIX_IDENTITY || transform > CG_GL_MATRIX_INVERSE_TRANSPOSE)
        return raise(CG_INVALID_ENUMERANT_ERROR);
    Matrix m;
    if (!readState(matrix, m)) return raise(CG_INVALID_ENUMERANT_ERROR);
    bool inverse = transform == CG_GL_MATRIX_INVERSE || transform == CG_GL_MATRIX_INVERSE_TRANSPOSE;
    bool transposed = transform == CG_GL_MATRIX_TRANSPOSE || transform == CG_GL_MATRIX_INVERSE_TRANSPOSE;
    // A singular matrix has no inverse: the parameter keeps its value rather
    // than receive infinities.
    if (inverse && !invert(m)) return raise(CG_INVALID_PARAMETER_ERROR);
    if (transposed) transpose(m);
    cgGLSetMatrixParameterdc(param, m);
}

}  // extern "C"
