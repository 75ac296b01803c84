// Zephra::Timer on the monotonic steady clock (sub-microsecond ticks here).
// The reset point is kept as the raw tick count and the time since it is
// formed in double, so the result does not lose precision as the clock's
// absolute value grows with uptime.
#include "platform/timer.h"

#include <chrono>

namespace Zephra {
namespace {

using Clock = std::chrono::steady_clock;

int64_t nowTicks() { return Clock::now().time_since_epoch().count(); }

constexpr double secondsPerTick =
    static_cast<double>(Clock::period::num) / static_cast<double>(Clock::period::den);

}  // namespace

void Timer::reset() {
    startTicks = nowTicks();
    last = 0.0f;
}

float Timer::getTime() const {
    return static_cast<float>(static_cast<double>(nowTicks() - startTicks) * secondsPerTick);
}

float Timer::getDelta() {
    const float now = getTime();
    const float delta = now - last;
    last = now;
    return delta;
}

}  // namespace Zephra
