#include "collection_reference.h"

#include <algorithm>
#include <cmath>

namespace cgref {
namespace {

struct Rgb {
    double r, g, b;
};

Rgb read(const Image& image, int x, int y) {
    const float* p = image.at(x, y);
    return {p[0], p[1], p[2]};
}

void write(Image& image, int x, int y, Rgb c) {
    float* p = image.at(x, y);
    p[0] = static_cast<float>(c.r);
    p[1] = static_cast<float>(c.g);
    p[2] = static_cast<float>(c.b);
}

std::uint32_t nextRandom(std::uint32_t& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

double clamp01(double v) { return std::min(1.0, std::max(0.0, v)); }

// Luma and the two colour-difference components of a composite signal.
Rgb toYiq(Rgb c) {
    return {0.299 * c.r + 0.587 * c.g + 0.114 * c.b, 0.596 * c.r - 0.274 * c.g - 0.322 * c.b,
            0.211 * c.r - 0.523 * c.g + 0.312 * c.b};
}

Rgb fromYiq(Rgb c) {
    return {c.r + 0.956 * c.g + 0.621 * c.b, c.r - 0.272 * c.g - 0.647 * c.b, c.r - 1.106 * c.g + 1.703 * c.b};
}

// Five binomial taps along (dx, dy).
Image blur(const Image& source, int dx, int dy) {
    const double weights[5] = {1, 4, 6, 4, 1};
    Image out(source.width, source.height);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x) {
            Rgb sum{0, 0, 0};
            for (int k = -2; k <= 2; ++k) {
                Rgb c = read(source, x + k * dx, y + k * dy);
                double w = weights[k + 2] / 16.0;
                sum = {sum.r + w * c.r, sum.g + w * c.g, sum.b + w * c.b};
            }
            write(out, x, y, sum);
        }
    return out;
}

}  // namespace

const float* Image::at(int x, int y) const {
    x = std::min(width - 1, std::max(0, x));
    y = std::min(height - 1, std::max(0, y));
    return &rgb[static_cast<size_t>((y * width + x) * 3)];
}

float* Image::at(int x, int y) { return const_cast<float*>(static_cast<const Image&>(*this).at(x, y)); }

std::vector<std::uint8_t> toBytes(const Image& image) {
    std::vector<std::uint8_t> bytes;
    for (size_t i = 0; i < image.rgb.size(); i += 3) {
        for (size_t c = 0; c < 3; ++c) bytes.push_back(static_cast<std::uint8_t>(std::lround(clamp01(image.rgb[i + c]) * 255)));
        bytes.push_back(255);
    }
    return bytes;
}

Image fromBytes(const std::vector<std::uint8_t>& rgba, int width, int height) {
    Image image(width, height);
    for (int i = 0; i < width * height; ++i)
        for (int c = 0; c < 3; ++c)
            image.rgb[static_cast<size_t>(i * 3 + c)] = rgba[static_cast<size_t>(i * 4 + c)] / 255.0f;
    return image;
}

Image blockyPicture(int width, int height, int colours, std::uint32_t seed) {
    const Rgb palette[] = {{0.0, 0.0, 0.0}, {1.0, 1.0, 1.0}, {0.8, 0.2, 0.2}, {0.2, 0.4, 1.0}};
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            write(image, x, y, palette[nextRandom(seed) % static_cast<std::uint32_t>(colours)]);
    return fromBytes(toBytes(image), width, height);
}

Image noisyPicture(int width, int height, std::uint32_t seed) {
    Image image(width, height);
    for (float& v : image.rgb) v = static_cast<float>(nextRandom(seed) % 256) / 255.0f;
    return image;
}

Image scale2x(const Image& source) {
    Image out(source.width * 2, source.height * 2);
    auto same = [](Rgb a, Rgb b) { return std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b) < 0.01; };
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            int sx = x / 2, sy = y / 2;
            bool leftHalf = x % 2 == 0, lowerHalf = y % 2 == 0;
            Rgb centre = read(source, sx, sy);
            Rgb side = read(source, leftHalf ? sx - 1 : sx + 1, sy);
            Rgb farSide = read(source, leftHalf ? sx + 1 : sx - 1, sy);
            Rgb row = read(source, sx, lowerHalf ? sy - 1 : sy + 1);
            Rgb farRow = read(source, sx, lowerHalf ? sy + 1 : sy - 1);
            bool corner = same(side, row) && !same(row, farSide) && !same(side, farRow);
            write(out, x, y, corner ? side : centre);
        }
    return out;
}

Image crtMask(const Image& source, int outputWidth, int outputHeight) {
    Image out(outputWidth, outputHeight);
    for (int y = 0; y < outputHeight; ++y)
        for (int x = 0; x < outputWidth; ++x) {
            // The pixel's centre in texels of the source.
            double tx = (x + 0.5) / outputWidth * source.width, ty = (y + 0.5) / outputHeight * source.height;
            Rgb c = read(source, static_cast<int>(tx), static_cast<int>(ty));
            double line = ty - std::floor(ty);
            double distance = std::fabs(line - 0.5) * 2;
            double beam = 1 - 0.6 * distance * distance;
            double mask[3] = {0.5, 0.5, 0.5};
            mask[x % 3] = 1;
            Rgb light{std::pow(c.r, 2.4) * beam * mask[0], std::pow(c.g, 2.4) * beam * mask[1],
                      std::pow(c.b, 2.4) * beam * mask[2]};
            write(out, x, y,
                  {std::pow(clamp01(light.r), 1 / 2.2), std::pow(clamp01(light.g), 1 / 2.2),
                   std::pow(clamp01(light.b), 1 / 2.2)});
        }
    return out;
}

Image blurHorizontal(const Image& source) { return blur(source, 1, 0); }
Image blurVertical(const Image& source) { return blur(source, 0, 1); }

Image paletteLookup(const Image& source, const Image& palette, std::vector<bool>& ambiguous) {
    Image out(source.width, source.height);
    ambiguous.assign(static_cast<size_t>(source.width * source.height), false);
    int entries = palette.width;
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x) {
            double shade = toYiq(read(source, x, y)).r;
            double position = shade * (entries - 1) + 0.5;
            double nearest = std::floor(position + 0.5);
            ambiguous[static_cast<size_t>(y * source.width + x)] = std::fabs(position - nearest) < 1e-4;
            write(out, x, y, read(palette, static_cast<int>(std::floor(position)), 0));
        }
    return out;
}

Image ntscChroma(const Image& source) {
    const double weights[7] = {0.05, 0.1, 0.2, 0.3, 0.2, 0.1, 0.05};
    Image out(source.width, source.height);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < source.width; ++x) {
            double luma = toYiq(read(source, x, y)).r, i = 0, q = 0;
            for (int k = -3; k <= 3; ++k) {
                Rgb yiq = toYiq(read(source, x + k, y));
                i += weights[k + 3] * yiq.g;
                q += weights[k + 3] * yiq.b;
            }
            Rgb rgb = fromYiq({luma, i, q});
            write(out, x, y, {clamp01(rgb.r), clamp01(rgb.g), clamp01(rgb.b)});
        }
    return out;
}

}  // namespace cgref
