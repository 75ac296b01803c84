// A player replayed from a script, frame by frame: clicks both splash pages
// away, then sweeps the pointer from side to side, jumps from the ground now
// and then and makes magic jumps in the air, so that the frames measured
// show walking, running, jumping and pick-ups.
#pragma once

#include <cmath>

#include "game_input.h"

class ScriptedPlayer : public GameInput {
public:
    // Call once at the start of every frame.
    void nextFrame() { ++frame; }

    bool isEscapeDown() override { return false; }
    // Clicks the two splash pages away at frames 20 and 40; from frame 100 on
    // holds the button for 4 frames out of every 240 (a jump on landing) and
    // the right one for 4 frames a second later (a magic jump in the air).
    bool isLeftButtonDown() override {
        if (frame == 20 || frame == 40) return true;
        return frame >= 100 && frame % 240 < 4;
    }
    bool isRightButtonDown() override { return frame >= 100 && frame % 240 > 60 && frame % 240 < 64; }
    void getCursor(int& x, int& y) override {
        x = int(400 + 380 * std::sin(frame * 0.01));
        y = int(300 + 200 * std::cos(frame * 0.013));
    }

private:
    long frame = 0;
};
