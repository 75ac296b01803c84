// Browser backend: the counter behind Zephra::Timer.
// Implements: the page's monotonic clock (performance.now), counted in
//   microseconds.
// Lacks: browsers coarsen that clock (to 0.1 ms or less) against timing
//   attacks; frame times are still well resolved.
#include "platform/clock.h"

#include <emscripten.h>

namespace Zephra {
namespace Platform {

std::int64_t readClockTicks() { return static_cast<std::int64_t>(emscripten_get_now() * 1000.0); }

std::int64_t clockTicksPerSecond() { return 1000000; }

}  // namespace Platform
}  // namespace Zephra
