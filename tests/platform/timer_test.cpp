// Timer arithmetic; no test depends on how fast the machine runs.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <thread>

#include "platform/timer.h"

namespace {

void sleepMs(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

TEST(Timer, StartsNearZeroAfterReset) {
    Zephra::Timer timer;
    timer.reset();
    const float t = timer.getTime();
    EXPECT_GE(t, 0.0f);
    EXPECT_LT(t, 60.0f);  // a small value, not the clock's absolute time
    const float first = timer.getDelta();
    EXPECT_GE(first, t);
}

TEST(Timer, NeverNegativeRightAfterAReset) {
    // The counter may stand at days' worth of ticks (under Wine it counts
    // from the host's boot): a reset point rounded at that magnitude would
    // put "now" up to half a rounding step before it.
    Zephra::Timer timer;
    for (int i = 0; i < 2000; ++i) {
        timer.reset();
        ASSERT_GE(timer.getTime(), 0.0f) << "after reset " << i;
    }
}

TEST(Timer, DeltasSumToTheTimeAtTheLastOfThem) {
    Zephra::Timer timer;
    timer.reset();
    double sum = 0.0;
    float lastTime = 0.0f;
    for (int i = 0; i < 200; ++i) {
        if (i % 50 == 0) sleepMs(2);
        const float delta = timer.getDelta();
        EXPECT_GE(delta, 0.0f);
        sum += delta;
        lastTime = timer.getTime();
        // getTime after getDelta is not earlier than what getDelta recorded.
        EXPECT_GE(lastTime, static_cast<float>(sum) - 1e-6f);
    }
    // The last delta ends at a time between these two readings, and the sum
    // of all deltas is that time, up to single-precision rounding (well under
    // 10 us at these magnitudes), however long the machine paused in between.
    const float before = timer.getTime();
    sum += timer.getDelta();
    const float after = timer.getTime();
    const double rounding = 1e-5;
    EXPECT_GE(sum, before - rounding);
    EXPECT_LE(sum, after + rounding);
}

TEST(Timer, GetTimeDoesNotDisturbGetDelta) {
    Zephra::Timer timer;
    timer.reset();
    sleepMs(5);
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
    sleepMs(300);
    timer.getDelta();
    const float running = timer.getTime();
    timer.reset();
    const float restarted = timer.getTime();
    EXPECT_LT(restarted, running);
    EXPECT_GE(restarted, 0.0f);
    const float delta = timer.getDelta();
    EXPECT_LT(delta, running);  // measured from the new reset
}
