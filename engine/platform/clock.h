// The system's high-resolution monotonic counter, as raw ticks. Implemented
// per backend; Zephra::Timer does the arithmetic.
#pragma once

#include <cstdint>

namespace Zephra {
namespace Platform {

// The counter now. Its origin is arbitrary (often the machine's boot), so
// only differences mean anything.
std::int64_t readClockTicks();
// Ticks per second.
std::int64_t clockTicksPerSecond();

}  // namespace Platform
}  // namespace Zephra
