// The FreeType half of a font: one face loaded from a stream at a fixed
// pixel height, rendering byte strings into Luminance8 and RGBA8 images.
// Needs no window and no graphics device.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "media/image.h"
#include "utils/streams.h"

struct FT_FaceRec_;

namespace Zephra {

// A text pen in pixels of the target image: x to the right from the left
// column, y downwards from the top row, on the baseline. Printing advances it.
struct Pen {
    int32_t x;
    int32_t y;
};

// Columns left to right - 1 of rows top to bottom - 1 of an image (rows
// counted as pens count them); empty while either range is.
struct ImageArea {
    int32_t left = 0, top = 0;
    int32_t right = 0, bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    // Grows to the smallest area that also covers other.
    void add(const ImageArea& other);
};

class FontFace {
public:
    // Brings up the process-wide FreeType library on first use; later calls
    // do nothing. Throws "Font engine could not be initialized.".
    static void initLibrary();

    // Reads the whole stream as a font file and sets the pixel height.
    // Throws Exceptions::Exception with the message of what went wrong.
    FontFace(Utils::InputStream& stream, int32_t pixelHeight);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Adds the glyphs of text (NUL-terminated; each byte is the character
    // code 0-255) into image from pen on, clipped to the image, and leaves
    // pen after the last glyph. Throws before drawing for pixel types other
    // than Luminance8 and RGBA8. A null text prints nothing. When touched is
    // given, it grows to cover the pixels of the image the glyphs reached.
    void print(Image& image, Pen& pen, const char* text, ImageArea* touched = nullptr);

private:
    // One character code rendered once: the face and its size never change,
    // so FreeType would give the same bitmap and advance every time.
    struct Glyph {
        bool loaded = false;                 // false: FreeType refused it
        std::vector<unsigned char> coverage; // 8-bit, top row first, rows * width
        int32_t width = 0, rows = 0;
        int32_t left = 0, top = 0;           // bitmap offset from the pen
        int64_t advanceX = 0, advanceY = 0;  // 26.6 fixed point
    };
    const Glyph& glyph(unsigned char code);

    std::vector<unsigned char> bytes;  // FreeType reads the face from here
    FT_FaceRec_* face = nullptr;
    std::array<std::unique_ptr<Glyph>, 256> glyphs;  // by character code, made on first use
};

}  // namespace Zephra
