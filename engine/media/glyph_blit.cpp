#include "media/glyph_blit.h"

#include <algorithm>

namespace Zephra {

namespace {

void addLuminance8(unsigned char* pixel, unsigned char v) {
    *pixel = static_cast<unsigned char>(*pixel + v);
}

// Byte-wise load and store keep the little-endian word whatever the host's order.
void addRGBA8(unsigned char* pixel, unsigned char v) {
    uint32_t word = uint32_t(pixel[0]) | uint32_t(pixel[1]) << 8 | uint32_t(pixel[2]) << 16 |
                    uint32_t(pixel[3]) << 24;
    word += uint32_t(v) * 0x010101u + 0xFF000000u;
    pixel[0] = static_cast<unsigned char>(word);
    pixel[1] = static_cast<unsigned char>(word >> 8);
    pixel[2] = static_cast<unsigned char>(word >> 16);
    pixel[3] = static_cast<unsigned char>(word >> 24);
}

template <typename AddPixel>
void addClipped(const CoverageTarget& target, int64_t left, int64_t top,
                const GlyphCoverage& glyph, int bytesPerPixel, AddPixel addPixel) {
    // The visible part of the glyph, in its own columns and rows. 64-bit
    // arithmetic: a pen far off the image must not overflow into it.
    const int64_t firstColumn = std::max<int64_t>(0, -left);
    const int64_t endColumn = std::min<int64_t>(glyph.width, int64_t(target.width) - left);
    const int64_t firstRow = std::max<int64_t>(0, -top);
    const int64_t endRow = std::min<int64_t>(glyph.rows, int64_t(target.height) - top);
    if (firstColumn >= endColumn || firstRow >= endRow)
        return;
    for (int64_t r = firstRow; r < endRow; ++r) {
        const unsigned char* coverage = glyph.topRow + r * glyph.pitch;
        unsigned char* pixel =
            target.pixels + ((top + r) * target.width + left + firstColumn) * bytesPerPixel;
        for (int64_t c = firstColumn; c < endColumn; ++c, pixel += bytesPerPixel)
            addPixel(pixel, coverage[c]);
    }
}

}  // namespace

void addGlyphCoverage(const CoverageTarget& target, int64_t left, int64_t top,
                      const GlyphCoverage& glyph) {
    if (target.pixelType == Luminance8)
        addClipped(target, left, top, glyph, 1, addLuminance8);
    else if (target.pixelType == RGBA8)
        addClipped(target, left, top, glyph, 4, addRGBA8);
}

GlyphCoverage expandMonoBitmap(const unsigned char* topRow, int32_t width, int32_t rows,
                               int32_t pitch, std::vector<unsigned char>& storage) {
    width = std::max(width, 0);
    rows = std::max(rows, 0);
    storage.assign(size_t(width) * size_t(rows), 0);
    for (int32_t r = 0; r < rows; ++r) {
        const unsigned char* bits = topRow + int64_t(r) * pitch;
        unsigned char* out = storage.data() + size_t(r) * size_t(width);
        for (int32_t c = 0; c < width; ++c)
            out[c] = (bits[c >> 3] & (0x80 >> (c & 7))) ? 255 : 0;
    }
    return GlyphCoverage{storage.data(), width, rows, width};
}

}  // namespace Zephra
