// Trace scripts of any bytes: every line goes through the script parser, and
// every frame it accepts through the game rules and the trace formatting, so
// that no input can make the world misbehave (overflow, invalid casts).
#include "cat_picture.h"
#include "frame_script.h"
#include "game_world.h"
#include "trace_format.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GameWorld world;
    CatAnimation cat;
    TraceWriter writer;
    std::string out;
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    long frameNumber = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        ScriptFrame frame;
        if (parseScriptLine(text.substr(start, end - start), frame) == ScriptLine::Frame) {
            const float dt = world.update(toFrameInput(frame));
            const CatPicture picture = cat.choose(world.airborne, world.velX, world.velY, dt);
            world.endFrame(dt);
            out.clear();
            writer.appendLine(out, ++frameNumber, dt, world, 0, picture);
        }
        start = end + 1;
    }
    return 0;
}
