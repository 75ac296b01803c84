#include <gtest/gtest.h>

#include "render/matrix.h"

using Zephra::Matrix4;

namespace {

Matrix4 translation(float x, float y, float z) {
    Matrix4 m;
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

Matrix4 scale(float s) {
    Matrix4 m;
    m[0] = m[5] = m[10] = s;
    return m;
}

void expectMatrix(const Matrix4& m, const float (&expected)[16]) {
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(m[i], expected[i]) << "index " << i;
}

}  // namespace

TEST(Matrix4, StartsAsIdentityAndResetsToIt) {
    Matrix4 m = translation(4, 5, 6);
    m.setIdentity();
    expectMatrix(m, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    EXPECT_EQ(m.data(), &m[0]);
}

TEST(Matrix4, LeftOperandIsAppliedLast) {
    Matrix4 a = translation(1, 2, 3);
    Matrix4 b = scale(2);
    expectMatrix(a * b, {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 1, 2, 3, 1});
    expectMatrix(b * a, {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 2, 4, 6, 1});
    // Neither operand changes.
    EXPECT_FLOAT_EQ(a[0], 1);
    EXPECT_FLOAT_EQ(b[12], 0);
}

TEST(Matrix4, ProductOfGeneralMatricesIsRowTimesColumn) {
    Matrix4 a, b;
    for (int i = 0; i < 16; ++i) {
        a[i] = static_cast<float>(i + 1);
        b[i] = static_cast<float>(16 - i);
    }
    Matrix4 r = a * b;
    // Row 1, column 2 of a * b: a's row 1 is (2, 6, 10, 14), b's column 2 is (8, 7, 6, 5).
    EXPECT_FLOAT_EQ(r.at(1, 2), 2 * 8 + 6 * 7 + 10 * 6 + 14 * 5);
    EXPECT_FLOAT_EQ(r[4 * 2 + 1], r.at(1, 2));
}

TEST(StateMatrices, ResetsMarkExactlyTheMatricesTheyReset) {
    Zephra::stateWorld = translation(1, 0, 0);
    Zephra::stateView = translation(0, 1, 0);
    Zephra::stateProjection = translation(0, 0, 1);
    Zephra::stateWorldChanged = Zephra::stateViewChanged = Zephra::stateProjectionChanged = false;

    Zephra::resetViewMatrix();
    EXPECT_FLOAT_EQ(Zephra::stateView[13], 0);
    EXPECT_FLOAT_EQ(Zephra::stateWorld[12], 1);
    EXPECT_FLOAT_EQ(Zephra::stateProjection[14], 1);
    EXPECT_TRUE(Zephra::stateViewChanged);
    EXPECT_FALSE(Zephra::stateWorldChanged);
    EXPECT_FALSE(Zephra::stateProjectionChanged);

    Zephra::stateViewChanged = false;
    Zephra::resetStateMatrices();
    EXPECT_FLOAT_EQ(Zephra::stateWorld[12], 0);
    EXPECT_FLOAT_EQ(Zephra::stateProjection[14], 0);
    EXPECT_TRUE(Zephra::stateWorldChanged && Zephra::stateViewChanged &&
                Zephra::stateProjectionChanged);

    // Already identity: still marked.
    Zephra::stateWorldChanged = Zephra::stateViewChanged = Zephra::stateProjectionChanged = false;
    Zephra::resetStateMatrices();
    EXPECT_TRUE(Zephra::stateWorldChanged && Zephra::stateViewChanged &&
                Zephra::stateProjectionChanged);
}
