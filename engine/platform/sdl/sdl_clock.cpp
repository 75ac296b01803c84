// SDL2 backend: the counter behind Zephra::Timer.
// Implements: the C++ library's steady clock (CLOCK_MONOTONIC here, with
//   nanosecond ticks), which needs nothing of SDL.
// Lacks: nothing the timer asks for.
#include "platform/clock.h"

#include <chrono>

namespace Zephra {
namespace Platform {

using Clock = std::chrono::steady_clock;

std::int64_t readClockTicks() { return Clock::now().time_since_epoch().count(); }

std::int64_t clockTicksPerSecond() { return Clock::period::den / Clock::period::num; }

}  // namespace Platform
}  // namespace Zephra
