#include <gtest/gtest.h>

#include <vector>

#include "media/glyph_blit.h"

using namespace Zephra;

namespace {

GlyphCoverage solid(const std::vector<unsigned char>& bytes, int32_t width, int32_t rows) {
    return GlyphCoverage{bytes.data(), width, rows, width};
}

}  // namespace

TEST(GlyphBlit, Luminance8AddsModulo256) {
    std::vector<unsigned char> pixels(4, 0);
    const CoverageTarget target{pixels.data(), 2, 2, Luminance8};
    const std::vector<unsigned char> a = {200}, b = {100};
    addGlyphCoverage(target, 1, 1, solid(a, 1, 1));
    addGlyphCoverage(target, 1, 1, solid(b, 1, 1));
    EXPECT_EQ(pixels, (std::vector<unsigned char>{0, 0, 0, 44}));
}

TEST(GlyphBlit, RGBA8AddsOneLittleEndianWordWithCarries) {
    std::vector<unsigned char> pixels(12, 0);
    pixels[8] = 200;  // third pixel: R = 200, A = 1
    pixels[11] = 1;
    const CoverageTarget target{pixels.data(), 3, 1, RGBA8};
    const std::vector<unsigned char> coverage = {128, 0, 100};
    addGlyphCoverage(target, 0, 0, solid(coverage, 3, 1));
    // Zero coverage still fills alpha; 200 + 100 carries into green, and
    // alpha 1 + 255 carries out of the word.
    EXPECT_EQ(pixels, (std::vector<unsigned char>{128, 128, 128, 255, 0, 0, 0, 255,  //
                                                  44, 101, 100, 0}));
}

// A 3 x 3 glyph with distinct coverage per pixel, placed at every offset
// around a 4 x 3 image: each pixel must equal the reference computed pixel
// by pixel, and nothing outside the exact-size buffer may be touched (the
// sanitizer run checks the latter).
TEST(GlyphBlit, ClipsAtAllFourEdges) {
    const std::vector<unsigned char> coverage = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const int32_t w = 4, h = 3;
    for (PixelType type : {Luminance8, RGBA8}) {
        const int bpp = type == RGBA8 ? 4 : 1;
        for (int64_t top = -4; top <= h + 1; ++top) {
            for (int64_t left = -4; left <= w + 1; ++left) {
                std::vector<unsigned char> pixels(size_t(w * h * bpp), 0);
                std::vector<unsigned char> expected(pixels.size(), 0);
                for (int r = 0; r < 3; ++r)
                    for (int c = 0; c < 3; ++c) {
                        const int64_t x = left + c, y = top + r;
                        if (x < 0 || x >= w || y < 0 || y >= h)
                            continue;
                        expected[size_t((y * w + x) * bpp)] = coverage[size_t(r * 3 + c)];
                        if (bpp == 4) {
                            expected[size_t((y * w + x) * 4 + 1)] = coverage[size_t(r * 3 + c)];
                            expected[size_t((y * w + x) * 4 + 2)] = coverage[size_t(r * 3 + c)];
                            expected[size_t((y * w + x) * 4 + 3)] = 255;
                        }
                    }
                unsigned char* exact = new unsigned char[pixels.size()]();
                addGlyphCoverage(CoverageTarget{exact, w, h, type}, left, top,
                                 solid(coverage, 3, 3));
                pixels.assign(exact, exact + pixels.size());
                delete[] exact;
                ASSERT_EQ(pixels, expected) << "type " << type << " at " << left << ", " << top;
            }
        }
    }
}

TEST(GlyphBlit, FarOffPensAndEmptyTargetsTouchNothing) {
    const std::vector<unsigned char> coverage(4, 255);
    std::vector<unsigned char> pixels(4, 0);
    const CoverageTarget target{pixels.data(), 2, 2, Luminance8};
    for (int64_t at : {int64_t(INT32_MIN) - 5, int64_t(INT32_MAX) + 5}) {
        addGlyphCoverage(target, at, 0, solid(coverage, 2, 2));
        addGlyphCoverage(target, 0, at, solid(coverage, 2, 2));
    }
    EXPECT_EQ(pixels, std::vector<unsigned char>(4, 0));
    addGlyphCoverage(CoverageTarget{nullptr, 0, 0, Luminance8}, 0, 0, solid(coverage, 2, 2));
    addGlyphCoverage(CoverageTarget{nullptr, -3, -3, RGBA8}, 0, 0, solid(coverage, 2, 2));
}

TEST(GlyphBlit, HonoursPitchIncludingUpwardRows) {
    // Two rows of two pixels, stored with a padding byte per row.
    const std::vector<unsigned char> rows = {1, 2, 99, 3, 4, 99};
    std::vector<unsigned char> pixels(4, 0);
    addGlyphCoverage(CoverageTarget{pixels.data(), 2, 2, Luminance8}, 0, 0,
                     GlyphCoverage{rows.data(), 2, 2, 3});
    EXPECT_EQ(pixels, (std::vector<unsigned char>{1, 2, 3, 4}));
    pixels.assign(4, 0);
    addGlyphCoverage(CoverageTarget{pixels.data(), 2, 2, Luminance8}, 0, 0,
                     GlyphCoverage{rows.data() + 3, 2, 2, -3});
    EXPECT_EQ(pixels, (std::vector<unsigned char>{3, 4, 1, 2}));
}

TEST(GlyphBlit, MonoBitmapsExpandToFullOrNoCoverage) {
    // 10 pixels wide: two bytes per row, padded to a pitch of 4.
    const std::vector<unsigned char> bits = {0xA5, 0xC0, 0xEE, 0xEE,  //
                                             0x01, 0x40, 0xEE, 0xEE};
    std::vector<unsigned char> storage;
    const GlyphCoverage glyph = expandMonoBitmap(bits.data(), 10, 2, 4, storage);
    ASSERT_EQ(glyph.width, 10);
    ASSERT_EQ(glyph.rows, 2);
    const std::vector<unsigned char> expected = {255, 0,   255, 0, 0, 255, 0, 255, 255, 255,
                                                 0,   0,   0,   0, 0, 0,   0, 255, 0,   255};
    EXPECT_EQ(std::vector<unsigned char>(glyph.topRow, glyph.topRow + 20), expected);
    EXPECT_EQ(glyph.pitch, 10);
}
