// The matrix product and the process-wide state matrices.
#include "render/matrix.h"

namespace Zephra {

// Constant-initialised identities with clear flags, before any code runs.
Matrix4 stateWorld;
Matrix4 stateView;
Matrix4 stateProjection;
bool stateWorldChanged = false;
bool stateViewChanged = false;
bool stateProjectionChanged = false;

void Matrix4::setIdentity() { *this = Matrix4(); }

Matrix4 Matrix4::operator*(const Matrix4& b) const {
    const Matrix4& a = *this;
    Matrix4 r;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            // Summed left to right so that results are the same everywhere.
            float sum = a.at(row, 0) * b.at(0, column);
            sum += a.at(row, 1) * b.at(1, column);
            sum += a.at(row, 2) * b.at(2, column);
            sum += a.at(row, 3) * b.at(3, column);
            r.at(row, column) = sum;
        }
    }
    return r;
}

void resetViewMatrix() {
    stateView.setIdentity();
    stateViewChanged = true;
}

void resetStateMatrices() {
    stateWorld.setIdentity();
    stateView.setIdentity();
    stateProjection.setIdentity();
    stateWorldChanged = true;
    stateViewChanged = true;
    stateProjectionChanged = true;
}

}  // namespace Zephra
