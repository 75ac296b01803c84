// Wall-clock time for the game loop, in seconds as single-precision floats.
#pragma once

#include <cstdint>

namespace Zephra {

class Timer {
public:
    // Start counting from now; also restarts the interval measurement.
    void reset();
    // Seconds since the last reset. Does not disturb getDelta.
    float getTime() const;
    // Seconds since the previous getDelta (or the reset, for the first call).
    float getDelta();

private:
    double secondsPerTick = 0.0;  // of the platform's counter, read at reset
    int64_t startTicks = 0;       // raw counter reading at reset, kept exactly
    float last = 0.0f;            // time since reset at the previous getDelta
};

}  // namespace Zephra
