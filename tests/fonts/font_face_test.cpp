#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <vector>

#include "font_test_support.h"
#include "media/font_face.h"

using namespace Zephra;

namespace {

std::string loadError(const std::string& bytes, int32_t pixelHeight = 20, int32_t missing = 0) {
    try {
        BytesStream stream(bytes, missing);
        FontFace face(stream, pixelHeight);
    } catch (const Exceptions::Exception& e) {
        return e.getMessage();
    }
    return "no exception";
}

std::vector<unsigned char> pixelsOf(Image& image, int bytesPerPixel) {
    return std::vector<unsigned char>(
        image.getData(),
        image.getData() + size_t(image.getWidth()) * image.getHeight() * bytesPerPixel);
}

// The same face opened straight through FreeType, as a yardstick.
class ReferenceFace {
public:
    explicit ReferenceFace(const std::string& bytes) : bytes(bytes) {
        FT_Init_FreeType(&library);
        FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(this->bytes.data()),
                           FT_Long(this->bytes.size()), 0, &face);
        FT_Set_Pixel_Sizes(face, 0, 20);
    }
    ~ReferenceFace() {
        FT_Done_Face(face);
        FT_Done_FreeType(library);
    }
    int32_t advance(unsigned long code) {
        FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_RENDER);
        return int32_t(face->glyph->advance.x >> 6);
    }
    FT_UInt index(unsigned long code) { return FT_Get_Char_Index(face, code); }
    // The rendered glyph, valid until the next call.
    FT_GlyphSlot render(unsigned long code) {
        FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_RENDER);
        return face->glyph;
    }

private:
    std::string bytes;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
};

// The font with the outline of one glyph made unreadable (a contour count
// far beyond the glyph's data), so that loading that glyph fails.
std::string withBrokenGlyph(std::string font, unsigned glyphIndex) {
    auto u16 = [&](size_t at) { return unsigned(uint8_t(font[at])) << 8 | uint8_t(font[at + 1]); };
    auto u32 = [&](size_t at) { return u16(at) << 16 | u16(at + 2); };
    size_t head = 0, loca = 0, glyf = 0;
    for (unsigned i = 0, n = u16(4); i < n; ++i) {
        const std::string tag = font.substr(12 + 16 * i, 4);
        const size_t offset = u32(12 + 16 * i + 8);
        if (tag == "head") head = offset;
        if (tag == "loca") loca = offset;
        if (tag == "glyf") glyf = offset;
    }
    const bool longOffsets = u16(head + 50) == 1;
    const size_t glyph = glyf + (longOffsets ? u32(loca + 4 * glyphIndex)
                                             : size_t(u16(loca + 2 * glyphIndex)) * 2);
    font[glyph] = 0x75;  // 30,000 contours
    font[glyph + 1] = 0x30;
    return font;
}

class FontFaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(font.size(), 10000u) << "Carlito is missing";
        stream = std::make_unique<BytesStream>(font);
        face = std::make_unique<FontFace>(*stream, 20);
    }

    std::string font = carlitoBytes();
    std::unique_ptr<BytesStream> stream;
    std::unique_ptr<FontFace> face;
};

}  // namespace

TEST(FontFaceLoading, ReportsEachFailureWithItsMessage) {
    std::string text;
    for (int i = 0; i < 100; ++i)
        text += "This is a line of plain text, not a font file.\n";
    EXPECT_EQ(loadError(text), "Unknown font file format.");
    EXPECT_EQ(loadError(std::string("\x89PNG\r\n\x1a\n", 8) + std::string(2000, '\0')),
              "Unknown font file format.");
    EXPECT_EQ(loadError(""), "Unknown font file format.");
    // A stream that delivers less than its size is not handed to FreeType.
    EXPECT_EQ(loadError(carlitoBytes(), 20, 1000), "Error creating font.");
    EXPECT_EQ(loadError(carlitoBytes(), 0), "Error setting font pixel size.");
    EXPECT_EQ(loadError(carlitoBytes(), -20), "Error setting font pixel size.");
    EXPECT_EQ(loadError(carlitoBytes(), 20), "no exception");
}

TEST_F(FontFaceTest, EmptyTextLeavesImageAndPenAlone) {
    BitmapImage image(8, 8, Luminance8);
    Pen pen{3, 4};
    face->print(image, pen, "");
    face->print(image, pen, nullptr);
    EXPECT_EQ(pen.x, 3);
    EXPECT_EQ(pen.y, 4);
    EXPECT_FALSE(anyInk(image, 1));
}

TEST_F(FontFaceTest, OtherPixelTypesThrowBeforeDrawing) {
    BitmapImage image(40, 40, RGB8);
    for (const char* text : {"Points: 12", ""}) {
        Pen pen{5, 20};
        try {
            face->print(image, pen, text);
            ADD_FAILURE() << "no exception for \"" << text << "\"";
        } catch (const Exceptions::Exception& e) {
            EXPECT_EQ(e.getMessage(), "Unsupported pixeltype of image for Font::print()");
        }
        EXPECT_EQ(pen.x, 5);
        EXPECT_FALSE(anyInk(image, 3));
    }
}

// Bytes 0x80 and up are Latin-1 codes, not negative ones: y with diaeresis
// has its own advance, narrower than the missing-glyph box's.
TEST_F(FontFaceTest, PenAdvancesByTheSumOfWholePixelAdvances) {
    ReferenceFace reference(font);
    const char* text = "Highscore: 1290 \xFF\xE9";
    int32_t expected = 0;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c)
        expected += reference.advance(*c);
    ASSERT_NE(reference.advance(0xFF), reference.advance(0));

    BitmapImage image(300, 30, Luminance8);
    Pen pen{0, 20};
    face->print(image, pen, text);
    EXPECT_EQ(pen.x, expected);
    EXPECT_EQ(pen.y, 20);

    // A further call continues the line.
    face->print(image, pen, "9");
    EXPECT_EQ(pen.x, expected + reference.advance('9'));
}

TEST_F(FontFaceTest, HighBytesDrawTheirLatin1Glyphs) {
    BitmapImage eAcute(30, 30, Luminance8), missing(30, 30, Luminance8);
    Pen a{5, 20}, b{5, 20};
    face->print(eAcute, a, "\xE9");
    face->print(missing, b, "\x7F");  // no glyph in the font: the missing-glyph box
    EXPECT_TRUE(anyInk(eAcute, 1));
    EXPECT_NE(pixelsOf(eAcute, 1), pixelsOf(missing, 1));
}

// A glyph is rendered once and kept: its first and its later prints are
// FreeType's bitmap, pixel for pixel, at the pen.
TEST_F(FontFaceTest, GlyphsPrintedAgainAreFreeTypesBitmapsEachTime) {
    ReferenceFace reference(font);
    for (unsigned char code : {0x50, 0x6A, 0x40, 0x30, 0xE9}) {  // P j @ 0 é
        const FT_GlyphSlot expected = reference.render(code);
        ASSERT_GT(expected->bitmap.rows, 0u) << code;
        for (int time = 0; time < 2; ++time) {
            BitmapImage image(60, 60, Luminance8);
            Pen pen{20, 40};
            const char text[2] = {char(code), 0};
            face->print(image, pen, text);
            int differences = 0;
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 60; ++x) {
                    const int gx = x - 20 - expected->bitmap_left, gy = y - 40 + expected->bitmap_top;
                    const bool inside = gx >= 0 && gy >= 0 && gx < int(expected->bitmap.width) &&
                                        gy < int(expected->bitmap.rows);
                    const unsigned char want =
                        inside ? expected->bitmap.buffer[gy * expected->bitmap.pitch + gx] : 0;
                    differences += image.getData()[(y * 60 + x)] != want;
                }
            EXPECT_EQ(differences, 0) << "glyph " << int(code) << ", print " << time + 1;
        }
    }
}

TEST_F(FontFaceTest, SpaceAdvancesWithoutDrawing) {
    BitmapImage image(40, 30, RGBA8);
    Pen pen{2, 20};
    face->print(image, pen, "   ");
    EXPECT_GT(pen.x, 2 + 3 * 2);
    EXPECT_FALSE(anyInk(image, 4));
}

// Text cut by each edge of a small image must match the same text printed
// whole into a large one, pixel for pixel, in both pixel types; the buffer
// is exactly the image's size, so a stray write shows in the sanitizer run.
// The area print reports as touched lies in the image and holds all its
// ink, since clearing the overlay zeroes only that.
TEST_F(FontFaceTest, ClipsAtAllFourEdges) {
    const char* text = "@j";  // 'j' starts left of the pen and descends
    for (PixelType type : {Luminance8, RGBA8}) {
        const int bpp = type == RGBA8 ? 4 : 1;
        BitmapImage whole(80, 80, type);
        Pen pen{30, 40};
        face->print(whole, pen, text);
        const int32_t w = 12, h = 9;
        for (int32_t oy = 10; oy <= 52; oy += 3) {
            for (int32_t ox = 14; ox <= 60; ox += 3) {
                BitmapImage part(w, h, type);
                Pen at{30 - ox, 40 - oy};
                ImageArea touched;
                face->print(part, at, text, &touched);
                if (!touched.empty()) {
                    ASSERT_GE(touched.left, 0);
                    ASSERT_GE(touched.top, 0);
                    ASSERT_LE(touched.right, w);
                    ASSERT_LE(touched.bottom, h);
                }
                for (int32_t y = 0; y < h; ++y)
                    for (int32_t x = 0; x < w; ++x)
                        for (int b = 0; b < bpp; ++b) {
                            if (part.getData()[(y * w + x) * bpp + b] != 0) {
                                ASSERT_TRUE(y >= touched.top && y < touched.bottom &&
                                            x >= touched.left && x < touched.right)
                                    << "ink outside the touched area at " << x << ", " << y;
                            }
                            ASSERT_EQ(part.getData()[(y * w + x) * bpp + b],
                                      whole.getData()[((y + oy) * 80 + x + ox) * bpp + b])
                                << "window at " << ox << ", " << oy << " pixel " << x << ", " << y;
                        }
            }
        }
    }
}

TEST_F(FontFaceTest, GlyphThatFailsToLoadDrawsAndAdvancesNothing) {
    ReferenceFace reference(font);
    BytesStream brokenStream(withBrokenGlyph(font, reference.index('A')));
    FontFace broken(brokenStream, 20);

    BitmapImage withA(80, 30, Luminance8), withoutA(80, 30, Luminance8);
    Pen a{0, 20}, b{0, 20};
    broken.print(withA, a, "WAW");
    broken.print(withoutA, b, "WW");
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(pixelsOf(withA, 1), pixelsOf(withoutA, 1));
    EXPECT_TRUE(anyInk(withA, 1));
}
