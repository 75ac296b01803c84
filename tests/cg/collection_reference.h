// Independent models of the collection's filters: what each should put on
// the screen, computed on the CPU from the filter's description, not from
// the compiler's output. Images are RGB in 0..1, bottom row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace cgref {

struct Image {
    int width = 0, height = 0;
    std::vector<float> rgb;  // 3 floats per pixel

    Image(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w * h * 3), 0.0f) {}
    // Clamped to the edges, as a clamp-to-edge texture reads.
    const float* at(int x, int y) const;
    float* at(int x, int y);
};

// 8-bit RGBA texels as uploaded, and the image they hold.
std::vector<std::uint8_t> toBytes(const Image& image);
Image fromBytes(const std::vector<std::uint8_t>& rgba, int width, int height);

// Source pictures: `colours` flat colours placed at random (scalers want
// equal neighbours), or smoothly varying noise.
Image blockyPicture(int width, int height, int colours, std::uint32_t seed);
Image noisyPicture(int width, int height, std::uint32_t seed);

Image scale2x(const Image& source);
Image crtMask(const Image& source, int outputWidth, int outputHeight);
Image blurHorizontal(const Image& source);
Image blurVertical(const Image& source);
// `ambiguous` marks pixels whose shade lies on the boundary of two entries.
Image paletteLookup(const Image& source, const Image& palette, std::vector<bool>& ambiguous);
Image ntscChroma(const Image& source);

}  // namespace cgref
