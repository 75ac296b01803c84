// Decoding speed of loadImage against stb_image on the same 1024 x 1024
// files, in the same run: median milliseconds of several decodes each.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <stb_image.h>

#include "image_writers.h"
#include "media/image_loader.h"

namespace {

const int size = 1024;
const int runs = 9;

// Smooth gradients with soft waves and a little noise, so that both files
// compress roughly as a painted picture does.
unsigned char sampleAt(int x, int y, int channel, unsigned& noise) {
    noise = noise * 1664525u + 1013904223u;
    double wave = std::sin(x * 0.013 * (channel + 1)) * std::cos(y * 0.021 + channel) * 60.0;
    double value = (x + y * (channel + 1)) * 255.0 / (size * 3) + 96 + wave + (noise >> 29);
    return static_cast<unsigned char>(std::clamp(value, 0.0, 255.0));
}

std::string writeFile(const std::string& name, const std::string& bytes) {
    std::filesystem::path dir = std::filesystem::path(ZEPHRA_BINARY_DIR) / "bench_images";
    std::filesystem::create_directories(dir);
    std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

double medianMilliseconds(const std::function<void()>& decode) {
    decode();  // warm the file cache and the libraries
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        decode();
        times.push_back(std::chrono::duration<double, std::milli>(
                            std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[runs / 2];
}

void compare(const char* label, const std::string& path) {
    double ours = medianMilliseconds([&] { delete Zephra::loadImage(path); });
    double stb = medianMilliseconds([&] {
        int width, height, channels;
        stbi_image_free(stbi_load(path.c_str(), &width, &height, &channels, 0));
    });
    std::printf("%-26s loadImage %7.2f ms   stb_image %7.2f ms   stb/loadImage %.2fx\n", label,
                ours, stb, stb / ours);
}

}  // namespace

int main() {
    PngPicture png;
    png.width = png.height = size;
    png.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    JpegPicture jpeg;
    jpeg.width = jpeg.height = size;
    jpeg.quality = 90;
    unsigned noise = 12345;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            for (int c = 0; c < 4; ++c) {
                unsigned char value = sampleAt(x, y, c, noise);
                png.samples.push_back(value);
                if (c < 3) jpeg.samples.push_back(value);
            }
    std::string pngPath = writeFile("rgba_1024.png", encodePng(png));
    std::string jpegPath = writeFile("rgb_1024.jpg", encodeJpeg(jpeg));

    std::printf("Image decoding, median of %d runs, 1024 x 1024, from files\n", runs);
    compare("PNG RGBA (8 bits)", pngPath);
    compare("JPEG colour (quality 90)", jpegPath);
    return 0;
}
