// One line of a trace script: "frameTime cursorX cursorY left right splash".
#pragma once

#include <cstdint>
#include <string>

#include "game_world.h"

struct ScriptFrame {
    float frameTime = 0.0f;
    int32_t cursorX = 0;
    int32_t cursorY = 0;
    bool left = false;
    bool right = false;
    bool splash = false;
};

// The world's input for one frame; the buttons read `frame`, which must
// outlive the returned input.
FrameInput toFrameInput(const ScriptFrame& frame);

enum class ScriptLine { Frame, Skip, Malformed };

// Parses one line (without its line end). Blank lines and comments starting
// with '#' give Skip; anything but exactly six well-formed fields (a float,
// two int32 values and three flags 0 or 1) gives Malformed.
ScriptLine parseScriptLine(const std::string& line, ScriptFrame& frame);
