// The HUD's text work per frame, as the game does it: clear the overlay,
// print its three lines, draw. Prints medians in microseconds of the CPU
// side (clear, the three printf), of the upload alone (the same overlay
// image loaded into a texture of the benchmark's own), of the draw with its
// upload and of the draw of an unchanged overlay; GL work ends in glFinish.
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "platform/gl_context.h"
#include "zephra.h"

using Clock = std::chrono::steady_clock;

namespace {

double microseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::micro>(to - from).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    const int frames = 600;
    try {
        Zephra::Window window(800, 600, true);
        Zephra::Device device(window, 24, 8, 0, 0);
        Zephra::Platform::setSwapInterval(0);
        Zephra::Utils::File file("data/calibri.ttf", Zephra::Utils::Read);
        Zephra::Font font(file, 20);
        Zephra::Texture uploadProbe;

        std::vector<double> clearTimes, printTimes, uploadTimes, drawTimes, unchangedDrawTimes;
        for (int frame = 0; frame < frames; ++frame) {
            const int points = 1000 + frame * 37, highscore = 250000 + frame, magicJumps = frame % 4;
            Zephra::clear(Zephra::All, 0, 0, 0, 1, 1.0f, 0);
            glFinish();

            const Clock::time_point start = Clock::now();
            font.clear();
            const Clock::time_point cleared = Clock::now();
            Zephra::Pen pointsPen{0, 20}, highscorePen{0, 40}, jumpsPen{28, 70};
            font.printf(pointsPen, "Points: %i", points);
            font.printf(highscorePen, "Highscore: %i", highscore);
            font.printf(jumpsPen, "%i", magicJumps);
            const Clock::time_point printed = Clock::now();
            uploadProbe.load(*Zephra::Font::overlayImage(), Zephra::Linear);
            glFinish();
            const Clock::time_point uploaded = Clock::now();
            font.draw();
            glFinish();
            const Clock::time_point drawn = Clock::now();
            font.draw();
            glFinish();
            const Clock::time_point drawnAgain = Clock::now();

            clearTimes.push_back(microseconds(start, cleared));
            printTimes.push_back(microseconds(cleared, printed));
            uploadTimes.push_back(microseconds(printed, uploaded));
            drawTimes.push_back(microseconds(uploaded, drawn));
            unchangedDrawTimes.push_back(microseconds(drawn, drawnAgain));
            device.update();
        }

        const double cpu = median(clearTimes) + median(printTimes);
        const double upload = median(uploadTimes);
        std::printf("bench_fonts: HUD text per frame, 800 x 600 overlay, median of %d frames\n",
                    frames);
        std::printf("  clear                  %9.1f us\n", median(clearTimes));
        std::printf("  three printf lines     %9.1f us\n", median(printTimes));
        std::printf("  CPU side (sum)         %9.1f us\n", cpu);
        std::printf("  upload of the overlay  %9.1f us  (%.2f x the CPU side)\n", upload,
                    upload / cpu);
        std::printf("  draw with upload       %9.1f us\n", median(drawTimes));
        std::printf("  draw, nothing changed  %9.1f us\n", median(unchangedDrawTimes));
    } catch (const Zephra::Exceptions::Exception& e) {
        std::fprintf(stderr, "bench_fonts: %s\n", e.getMessage().c_str());
        return 1;
    }
    return 0;
}
