// Timer arithmetic; no test depends on how fast the machine runs.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/timer.h"
#include "x_tools.h"

TEST(Timer, StartsNearZeroAfterReset) {
    Zephra::Timer timer;
    timer.reset();
    const float t = timer.getTime();
    EXPECT_GE(t, 0.0f);
    EXPECT_LT(t, 60.0f);  // a small value, not the clock's absolute time
    const float first = timer.getDelta();
    EXPECT_GE(first, t);
}

TEST(Timer, DeltasSumToTheTimeAtTheLastOfThem) {
    Zephra::Timer timer;
    timer.reset();
    double sum = 0.0;
    float lastTime = 0.0f;
    for (int i = 0; i < 200; ++i) {
        if (i % 50 == 0) ZephraTest::sleepMs(2);
        const float delta = timer.getDelta();
        EXPECT_GE(delta, 0.0f);
        sum += delta;
        lastTime = timer.getTime();
        // getTime after getDelta is not earlier than what getDelta recorded.
        EXPECT_GE(lastTime, static_cast<float>(sum) - 1e-6f);
    }
    const float end = timer.getDelta();
    sum += end;
    const float t = timer.getTime();
    EXPECT_GE(t, static_cast<float>(sum) - 1e-5f);
    EXPECT_NEAR(sum, static_cast<double>(t), 1e-4 + (t - static_cast<float>(sum)));
}

TEST(Timer, GetTimeDoesNotDisturbGetDelta) {
    Zephra::Timer timer;
    timer.reset();
    ZephraTest::sleepMs(5);
    const float before = timer.getTime();
    for (int i = 0; i < 1000; ++i) timer.getTime();
    const float delta = timer.getDelta();
    // The delta runs from the reset, not from any of the getTime calls.
    EXPECT_GE(delta, before);
    EXPECT_GE(delta, 0.004f);
}

TEST(Timer, ResetRestartsTimeAndDelta) {
    Zephra::Timer timer;
    timer.reset();
    // Far longer than any pause a busy machine puts between the next calls.
    ZephraTest::sleepMs(300);
    timer.getDelta();
    const float running = timer.getTime();
    timer.reset();
    const float restarted = timer.getTime();
    EXPECT_LT(restarted, running);
    EXPECT_GE(restarted, 0.0f);
    const float delta = timer.getDelta();
    EXPECT_LT(delta, running);  // measured from the new reset
}
