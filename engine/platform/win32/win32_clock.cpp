// Win32 backend: the counter behind Zephra::Timer.
// Implements: the performance counter and its frequency, read afresh on
//   every call.
// Lacks: nothing the timer asks for. The counter may stand at days' worth
//   of ticks (under Wine it counts from the host's boot); the timer keeps
//   the raw ticks, so that costs no precision.
#include "platform/clock.h"

#include "platform/win32/win32_platform.h"

namespace Zephra {
namespace Platform {

std::int64_t readClockTicks() {
    LARGE_INTEGER ticks;
    QueryPerformanceCounter(&ticks);
    return ticks.QuadPart;
}

std::int64_t clockTicksPerSecond() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

}  // namespace Platform
}  // namespace Zephra
