// Matrices that make products easy to tell apart.
#pragma once

#include "render/matrix.h"

inline Zephra::Matrix4 translation(float x, float y, float z) {
    Zephra::Matrix4 m;
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

inline Zephra::Matrix4 scale(float s) {
    Zephra::Matrix4 m;
    m[0] = m[5] = m[10] = s;
    return m;
}
