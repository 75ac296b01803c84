// The game's random numbers: a 32-bit linear congruential generator whose
// state starts at 1 and is never reseeded, so that every run begins with the
// same star layout. The world owns the one instance the game uses.
#pragma once

#include <cstdint>

class GameRandom {
public:
    // The next raw value, 0 to 32767.
    uint32_t next() {
        state = state * 214013u + 2531011u;
        return (state >> 16) & 0x7FFFu;
    }

    // A value in [0, 1]; the division is done in double and then rounded once
    // to float, which keeps the draws identical on every machine.
    float draw() { return static_cast<float>(next() / 32767.0); }

    uint32_t state = 1;
};
