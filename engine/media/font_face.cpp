#include "media/font_face.h"

#include <algorithm>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "media/glyph_blit.h"
#include "utils/exceptions.h"

namespace Zephra {

namespace {

// Lives as long as the process: faces of every font come from it.
FT_Library library = nullptr;

[[noreturn]] void fail(const char* message) {
    throw Exceptions::Exception(message);
}

// The glyph slot's bitmap as 8-bit coverage, or false for pixel modes the
// engine does not draw (2- and 4-bit grey, subpixel, colour).
bool coverageOf(const FT_Bitmap& bitmap, std::vector<unsigned char>& monoStorage,
                GlyphCoverage& coverage) {
    if (!bitmap.buffer)
        return false;
    const int32_t width = int32_t(bitmap.width);
    const int32_t rows = int32_t(bitmap.rows);
    // A negative pitch means the rows flow upwards: buffer starts at the bottom row.
    const unsigned char* topRow =
        bitmap.pitch >= 0 ? bitmap.buffer
                          : bitmap.buffer + int64_t(rows - 1) * -int64_t(bitmap.pitch);
    switch (bitmap.pixel_mode) {
    case FT_PIXEL_MODE_GRAY:
        coverage = GlyphCoverage{topRow, width, rows, bitmap.pitch};
        return true;
    case FT_PIXEL_MODE_MONO:
        coverage = expandMonoBitmap(topRow, width, rows, bitmap.pitch, monoStorage);
        return true;
    default:
        return false;
    }
}

int32_t advanced(int32_t position, FT_Pos advance26dot6) {
    // Whole pixels, rounded toward minus infinity; wraps rather than overflows.
    return static_cast<int32_t>(uint32_t(position) + uint32_t(advance26dot6 >> 6));
}

}  // namespace

void FontFace::initLibrary() {
    if (library)
        return;
    if (FT_Init_FreeType(&library) != 0) {
        library = nullptr;
        fail("Font engine could not be initialized.");
    }
}

FontFace::FontFace(Utils::InputStream& stream, int32_t pixelHeight) {
    initLibrary();

    const int32_t size = stream.getSize();
    if (size < 0)
        fail("Error creating font.");
    bytes.resize(size_t(size));
    // A short read would hand FreeType a half-zeroed file that may still parse.
    if (size > 0 && stream.read(bytes.data(), size, 1) != 1)
        fail("Error creating font.");

    // FreeType reports an empty buffer as a failed stream read; it is no
    // font format at all.
    if (size == 0)
        fail("Unknown font file format.");
    const FT_Error opened = FT_New_Memory_Face(library, bytes.data(), size, 0, &face);
    if (opened != 0) {
        face = nullptr;
        fail(opened == FT_Err_Unknown_File_Format ? "Unknown font file format."
                                                  : "Error creating font.");
    }
    // 12 pt in 26.6 fixed point at FreeType's default 72 dpi; the pixel size
    // set next is the one that renders.
    const char* refused = nullptr;
    if (FT_Set_Char_Size(face, 0, 768, 0, 0) != 0)
        refused = "Error setting font size. The font might not support the desired size.";
    else if (pixelHeight <= 0 || FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelHeight)) != 0)
        refused = "Error setting font pixel size.";
    if (refused) {
        FT_Done_Face(face);
        face = nullptr;
        fail(refused);
    }
}

FontFace::~FontFace() {
    FT_Done_Face(face);
}

const FontFace::Glyph& FontFace::glyph(unsigned char code) {
    std::unique_ptr<Glyph>& cached = glyphs[code];
    if (cached)
        return *cached;
    auto made = std::make_unique<Glyph>();
    const FT_UInt index = FT_Get_Char_Index(face, code);
    // A glyph that does not load has no trustworthy bitmap or advance.
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) == 0) {
        const FT_GlyphSlot slot = face->glyph;
        made->loaded = true;
        made->left = slot->bitmap_left;
        made->top = slot->bitmap_top;
        made->advanceX = slot->advance.x;
        made->advanceY = slot->advance.y;
        std::vector<unsigned char> monoStorage;
        GlyphCoverage coverage;
        if (coverageOf(slot->bitmap, monoStorage, coverage)) {
            made->width = coverage.width;
            made->rows = coverage.rows;
            made->coverage.resize(size_t(coverage.width) * size_t(coverage.rows));
            for (int32_t row = 0; row < coverage.rows; ++row)
                std::copy_n(coverage.topRow + int64_t(row) * coverage.pitch, coverage.width,
                            made->coverage.begin() + int64_t(row) * coverage.width);
        }
    }
    cached = std::move(made);
    return *cached;
}

void ImageArea::add(const ImageArea& other) {
    if (other.empty())
        return;
    if (empty()) {
        *this = other;
        return;
    }
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    right = std::max(right, other.right);
    bottom = std::max(bottom, other.bottom);
}

void FontFace::print(Image& image, Pen& pen, const char* text, ImageArea* touched) {
    const PixelType pixelType = image.getPixelType();
    if (pixelType != Luminance8 && pixelType != RGBA8)
        fail("Unsupported pixeltype of image for Font::print()");
    if (!text)
        return;

    const CoverageTarget target{image.getData(), image.getWidth(), image.getHeight(), pixelType};
    for (const unsigned char* code = reinterpret_cast<const unsigned char*>(text); *code; ++code) {
        const Glyph& g = glyph(*code);
        if (!g.loaded)
            continue;
        if (!g.coverage.empty()) {
            const int64_t top = int64_t(pen.y) - g.top;
            const int64_t left = int64_t(pen.x) + g.left;
            addGlyphCoverage(target, left, top,
                             GlyphCoverage{g.coverage.data(), g.width, g.rows, g.width});
            if (touched) {
                // The glyph's box, clipped to the image as the blit clips it.
                ImageArea box;
                box.left = int32_t(std::max<int64_t>(left, 0));
                box.top = int32_t(std::max<int64_t>(top, 0));
                box.right = int32_t(std::clamp<int64_t>(left + g.width, 0, target.width));
                box.bottom = int32_t(std::clamp<int64_t>(top + g.rows, 0, target.height));
                touched->add(box);
            }
        }
        pen.x = advanced(pen.x, g.advanceX);
        pen.y = advanced(pen.y, g.advanceY);
    }
}

}  // namespace Zephra
