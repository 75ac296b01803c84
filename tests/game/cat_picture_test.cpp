#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cat_picture.h"

namespace {

std::vector<int> framesOver(CatAnimation& cat, float velX, float dt, int count) {
    std::vector<int> frames;
    for (int i = 0; i < count; ++i) frames.push_back(cat.choose(false, velX, 0.0f, dt).frame);
    return frames;
}

}  // namespace

TEST(CatPicture, AirborneFrameFollowsVerticalSpeedWithStrictThresholds) {
    struct Case { float velY; int frame; };
    const Case cases[] = {
        {3.0f, 0},  {2.0f, 1},  {1.2f, 2},  {1.0f, 3},   {0.9f, 4},  {0.5f, 5}, {0.0f, 5},
        {-0.5f, 6}, {-1.0f, 7}, {-1.99f, 7}, {-2.0f, 8}, {-9.0f, 8}, {2.01f, 0},
    };
    CatAnimation cat;
    for (const Case& c : cases) {
        const CatPicture picture = cat.choose(true, 1.0f, c.velY, 0.1f);
        EXPECT_EQ(picture.pose, CatPose::Jump) << c.velY;
        EXPECT_EQ(picture.frame, c.frame) << c.velY;
    }
    // Jumping never advances the ground cycles.
    EXPECT_EQ(cat.runPhase, 0.0f);
    EXPECT_EQ(cat.runFrame, 0);
}

TEST(CatPicture, StandingSpeedChoosesStandWalkOrRunAndVelXSignTheFacing) {
    CatAnimation cat;
    const CatPicture still = cat.choose(false, 0.05f, 0.0f, 0.01f);
    EXPECT_EQ(still.pose, CatPose::Standing);
    EXPECT_EQ(cat.choose(false, 0.3f, 0.0f, 0.01f).pose, CatPose::Walk);
    EXPECT_EQ(cat.choose(false, -0.8f, 0.0f, 0.01f).pose, CatPose::Run);
    EXPECT_EQ(cat.choose(false, 0.6f, 0.0f, 0.01f).pose, CatPose::Walk);  // strictly above 0.6 runs
    EXPECT_EQ(cat.choose(false, 0.1f, 0.0f, 0.01f).pose, CatPose::Standing);

    EXPECT_TRUE(cat.choose(false, 0.0f, 0.0f, 0.01f).mirrored);  // at rest it faces right
    EXPECT_TRUE(cat.choose(true, 0.5f, 0.0f, 0.01f).mirrored);
    EXPECT_FALSE(cat.choose(true, -0.001f, 0.0f, 0.01f).mirrored);
    EXPECT_FALSE(cat.choose(false, -0.8f, 0.0f, 0.01f).mirrored);
}

TEST(CatPicture, RunAndWalkCyclesAdvanceWithDistanceAndResumeWhereTheyStopped) {
    CatAnimation cat;
    // Running at 1.0 in 0.035 s frames: 0.1 of distance per run frame.
    EXPECT_EQ(framesOver(cat, 1.0f, 0.035f, 12),
              (std::vector<int>{1, 1, 2, 2, 2, 3, 3, 3, 1, 1, 1, 2}));
    // Walking animates three times faster per unit of speed: 0.2 at 0.05 s
    // covers 0.03 of the cycle per frame.
    EXPECT_EQ(framesOver(cat, 0.2f, 0.05f, 8), (std::vector<int>{1, 1, 1, 2, 2, 2, 3, 3}));
    // Back to running: the run cycle goes on where it was.
    const int runFrame = cat.runFrame;
    const float runPhase = cat.runPhase;
    const CatPicture resumed = cat.choose(false, -1.0f, 0.0f, 0.01f);
    EXPECT_EQ(resumed.frame, runFrame + 1);
    EXPECT_FLOAT_EQ(cat.runPhase, runPhase + 0.01f);
    EXPECT_EQ(cat.choose(false, 0.2f, 0.0f, 0.05f).frame, 3);  // and walking from 3
    // However fast, at most one step per frame, the rest carried over.
    EXPECT_EQ(framesOver(cat, 10.0f, 0.1f, 4), (std::vector<int>{3, 1, 2, 3}));
    EXPECT_GT(cat.runPhase, 3.0f);
}
