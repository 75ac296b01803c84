// Frames per second of the game rules alone (update, picture choice, end of
// frame), over a million frames of scripted random play, median of several
// runs; and for comparison the same with each frame formatted as a trace line.
#include "cat_picture.h"
#include "game_world.h"
#include "trace_format.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

struct Input {
    float frameTime;
    int cursorX, cursorY;
    bool left, right;
};

std::vector<Input> randomPlay(size_t frames) {
    std::mt19937 rng(1);
    std::uniform_real_distribution<float> frameTime(0.002f, 0.04f);
    std::uniform_int_distribution<int> cursorX(0, 799), cursorY(0, 599), percent(0, 99);
    std::vector<Input> inputs(frames);
    for (Input& input : inputs)
        input = {frameTime(rng), cursorX(rng), cursorY(rng), percent(rng) < 30, percent(rng) < 10};
    return inputs;
}

// Plays every input through a fresh world; returns seconds taken. The
// checksum keeps the work from being optimised away.
double play(const std::vector<Input>& inputs, bool format, double& checksum) {
    GameWorld world;
    CatAnimation cat;
    const Input* current = nullptr;
    FrameInput frame;
    frame.leftButton = [&current] { return current->left; };
    frame.rightButton = [&current] { return current->right; };
    std::string line;
    TraceWriter writer;
    long pickups = 0;
    const PickupHandler countPickup = [&pickups](const Pickup&) { ++pickups; };

    const auto start = std::chrono::steady_clock::now();
    long number = 0;
    for (const Input& input : inputs) {
        current = &input;
        frame.frameTime = input.frameTime;
        frame.cursorX = input.cursorX;
        frame.cursorY = input.cursorY;
        const float dt = world.update(frame, countPickup);
        const CatPicture picture = cat.choose(world.airborne, world.velX, world.velY, dt);
        world.endFrame(dt);
        if (format) {
            line.clear();
            writer.appendLine(line, ++number, dt, world, 0, picture);
            checksum += static_cast<double>(line.size());
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    checksum += world.cameraY + world.highscore + static_cast<double>(pickups);
    return elapsed.count();
}

double medianFramesPerSecond(const std::vector<Input>& inputs, bool format, int runs,
                             double& checksum) {
    std::vector<double> rates;
    for (int i = 0; i < runs; ++i) rates.push_back(inputs.size() / play(inputs, format, checksum));
    std::sort(rates.begin(), rates.end());
    return rates[rates.size() / 2];
}

}  // namespace

int main() {
    const size_t frames = 1000000;
    const int runs = 7;
    const std::vector<Input> inputs = randomPlay(frames);
    double checksum = 0.0;
    const double simulation = medianFramesPerSecond(inputs, false, runs, checksum);
    const double traced = medianFramesPerSecond(inputs, true, runs, checksum);
    std::printf("bench_trace: %zu frames of random play, median of %d runs\n", frames, runs);
    std::printf("  rules alone:              %12.0f frames/s (%.0f ms per million)\n", simulation,
                1e9 / simulation);
    std::printf("  rules + trace formatting: %12.0f frames/s (%.1fx slower)\n", traced,
                simulation / traced);
    std::printf("  (checksum %.6g)\n", checksum);
    return 0;
}
