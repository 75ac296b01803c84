// 4 x 4 float matrices and the three process-wide state matrices that every
// program receives under fixed parameter names.
#pragma once

namespace Zephra {

// Column-major: row r, column c at index 4c + r; vectors are columns (M * v).
class Matrix4 {
public:
    constexpr Matrix4() : m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}

    void setIdentity();
    const float* data() const { return m; }
    float& operator[](int index) { return m[index]; }
    float operator[](int index) const { return m[index]; }
    float& at(int row, int column) { return m[4 * column + row]; }
    float at(int row, int column) const { return m[4 * column + row]; }

    // The matrix product a * b: b is applied first, a last.
    Matrix4 operator*(const Matrix4& b) const;

private:
    float m[16];
};

// Object to world, world to eye, eye to clip. A set flag means the matrix
// has not yet been handed to the bound program; flags are shared by all.
extern Matrix4 stateWorld;
extern Matrix4 stateView;
extern Matrix4 stateProjection;
extern bool stateWorldChanged;
extern bool stateViewChanged;
extern bool stateProjectionChanged;

// stateView := identity, marked changed.
void resetViewMatrix();
// All three := identity, all marked changed.
void resetStateMatrices();

}  // namespace Zephra
