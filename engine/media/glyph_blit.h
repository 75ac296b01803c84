// Adding one glyph's coverage into a Luminance8 or RGBA8 pixel buffer,
// clipped to the buffer. No FreeType here: the font hands over plain bytes.
#pragma once

#include <cstdint>
#include <vector>

#include "media/image.h"

namespace Zephra {

// 8-bit coverage (0 none, 255 full), rows top first. pitch is the step in
// bytes from one row to the next; it may exceed width or be negative.
struct GlyphCoverage {
    const unsigned char* topRow;
    int32_t width;
    int32_t rows;
    int32_t pitch;
};

// Where glyphs land: width x height pixels of pixelType, row 0 first in memory.
struct CoverageTarget {
    unsigned char* pixels;
    int32_t width;
    int32_t height;
    PixelType pixelType;
};

// Adds the glyph with its top-left pixel at (left, top). Luminance8 bytes add
// modulo 256; an RGBA8 pixel is one little-endian 32-bit word that gains
// (v, v, v, 255) in one addition, carries included. Only pixels inside the
// target are touched; other pixel types are left alone.
void addGlyphCoverage(const CoverageTarget& target, int64_t left, int64_t top,
                      const GlyphCoverage& glyph);

// Turns a 1-bit bitmap (most significant bit leftmost) into 0/255 coverage
// held in storage, which the result points into.
GlyphCoverage expandMonoBitmap(const unsigned char* topRow, int32_t width, int32_t rows,
                               int32_t pitch, std::vector<unsigned char>& storage);

}  // namespace Zephra
