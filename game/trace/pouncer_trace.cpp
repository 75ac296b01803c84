// pouncer_trace: replays scripted input frames through the game rules without
// a window and prints the world after each frame, for regression tests and
// for tuning. Reads the script from standard input, writes the trace to
// standard output; see usage() for the formats.
#include "cat_picture.h"
#include "frame_script.h"
#include "game_world.h"
#include "trace_format.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

void usage(std::FILE* to) {
    std::fputs(
        "usage: pouncer_trace < script > trace\n"
        "Each script line is one frame: frameTime cursorX cursorY left right splash\n"
        "(a float, two integers in client pixels, three flags 0 or 1); blank lines\n"
        "and lines starting with '#' are skipped. Line 0 of the trace is the world\n"
        "as created, then one line per frame:\n"
        "  frame dt catX catY velX velY airborne cameraY spawnBand points highscore\n"
        "  magicJumps wingsTime magicJumpCooldown magicJumpEffectTime magicJumpEffectX\n"
        "  magicJumpEffectY dampingTime pickups picture mirrored, then x y kind of\n"
        "  each of the 20 stars.\n",
        to);
}

// Writes the buffered lines when they grow large, and at the end.
bool flushTo(std::string& out, std::FILE* file) {
    const bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    out.clear();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const bool help = std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0;
        usage(help ? stdout : stderr);
        return help ? 0 : 2;
    }
    std::ios::sync_with_stdio(false);

    GameWorld world;
    CatAnimation cat;
    TraceWriter writer;
    std::string out;
    writer.appendLine(out, 0, 0.0f, world, 0, CatPicture{});
    out += '\n';

    std::string line;
    long lineNumber = 0;
    long frameNumber = 0;
    bool writeOk = true;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        ScriptFrame frame;
        const ScriptLine kind = parseScriptLine(line, frame);
        if (kind == ScriptLine::Skip) continue;
        if (kind == ScriptLine::Malformed) {
            flushTo(out, stdout);
            std::fflush(stdout);
            std::fprintf(stderr,
                         "pouncer_trace: line %ld: expected 'frameTime cursorX cursorY left right "
                         "splash' (a float, two integers, three flags 0 or 1), got '%s'\n",
                         lineNumber, line.c_str());
            return 2;
        }

        const FrameInput input = toFrameInput(frame);
        int pickups = 0;
        const float dt = world.update(input, [&pickups](const Pickup&) { ++pickups; });
        const CatPicture picture = cat.choose(world.airborne, world.velX, world.velY, dt);
        world.endFrame(dt);

        writer.appendLine(out, ++frameNumber, dt, world, pickups, picture);
        out += '\n';
        if (out.size() > (1u << 16)) writeOk = flushTo(out, stdout) && writeOk;
    }
    if (std::cin.bad()) {
        flushTo(out, stdout);
        std::fprintf(stderr, "pouncer_trace: could not read the script\n");
        return 1;
    }
    writeOk = flushTo(out, stdout) && writeOk;
    if (std::fflush(stdout) != 0 || !writeOk) {
        std::fprintf(stderr, "pouncer_trace: could not write the trace: %s\n", std::strerror(errno));
        return 1;
    }
    return 0;
}
