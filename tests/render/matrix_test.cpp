#include <gtest/gtest.h>

#include "render/matrix.h"
#include "test_matrices.h"

using Zephra::Matrix4;

namespace {

void expectMatrix(const Matrix4& m, const float (&expected)[16]) {
    for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(m[i], expected[i]) << "index " << i;
}

}  // namespace

TEST(Matrix4, LeftOperandIsAppliedLast) {
    Matrix4 a = translation(1, 2, 3);
    Matrix4 b = scale(2);
    expectMatrix(a * b, {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 1, 2, 3, 1});
    expectMatrix(b * a, {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 2, 4, 6, 1});
    a.setIdentity();
    expectMatrix(a, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
}

TEST(StateMatrices, ResetsMarkExactlyTheMatricesTheyReset) {
    using namespace Zephra;
    stateWorld = translation(1, 0, 0);
    stateView = translation(0, 1, 0);
    stateProjection = translation(0, 0, 1);
    stateWorldChanged = stateViewChanged = stateProjectionChanged = false;

    resetViewMatrix();
    EXPECT_FLOAT_EQ(stateView[13], 0);
    EXPECT_FLOAT_EQ(stateWorld[12], 1);
    EXPECT_FLOAT_EQ(stateProjection[14], 1);
    EXPECT_TRUE(stateViewChanged);
    EXPECT_FALSE(stateWorldChanged || stateProjectionChanged);

    stateViewChanged = false;
    resetStateMatrices();
    EXPECT_FLOAT_EQ(stateWorld[12], 0);
    EXPECT_FLOAT_EQ(stateProjection[14], 0);
    EXPECT_TRUE(stateWorldChanged && stateViewChanged && stateProjectionChanged);

    // Already identity: still marked.
    stateWorldChanged = stateViewChanged = stateProjectionChanged = false;
    resetStateMatrices();
    EXPECT_TRUE(stateWorldChanged && stateViewChanged && stateProjectionChanged);
}
