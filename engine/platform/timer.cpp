// Zephra::Timer on the platform's high-resolution counter. The reset point
// is kept as the raw tick count and the time since it is formed in double,
// so the result does not lose precision as the counter's absolute value
// grows with uptime; results are rounded to float only at the end.
#include "platform/timer.h"

#include "platform/clock.h"

namespace Zephra {

void Timer::reset() {
    secondsPerTick = 1.0 / static_cast<double>(Platform::clockTicksPerSecond());
    startTicks = Platform::readClockTicks();
    last = 0.0f;
}

float Timer::getTime() const {
    const std::int64_t elapsed = Platform::readClockTicks() - startTicks;
    return static_cast<float>(static_cast<double>(elapsed) * secondsPerTick);
}

float Timer::getDelta() {
    const float now = getTime();
    const float delta = now - last;
    last = now;
    return delta;
}

}  // namespace Zephra
