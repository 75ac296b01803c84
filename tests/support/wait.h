// The one way tests wait: poll a condition until it holds or a time limit
// passes. A slow machine only makes a wait take longer; nothing here sleeps
// for a fixed time and hopes.
#pragma once

#include <chrono>
#include <thread>

#ifdef ZEPHRA_TEST_IN_BROWSER
#include <emscripten.h>
#endif

namespace ZephraTest {

// Long enough for a loaded machine under the sanitizers or Wine to deliver
// an event; a condition that holds ends the wait at once.
constexpr double DefaultWaitSeconds = 10.0;

// Polls condition every 20 ms until it holds (true) or timeoutSeconds have
// passed (false). The condition is always asked at least once, and once more
// at the end of the time.
template <typename Condition>
bool waitUntil(Condition condition, double timeoutSeconds = DefaultWaitSeconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
#ifdef ZEPHRA_TEST_IN_BROWSER
        // The page's events are handled only while the program gives the
        // browser back its thread.
        emscripten_sleep(20);
#else
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
#endif
    }
}

}  // namespace ZephraTest
