// PNG through libpng's read-struct interface, pulling the file through an
// InputStream. libpng reports fatal errors by longjmp, so every libpng call
// that can fail runs inside a small function whose frame holds plain data
// only; the C++ objects (image, row pointers, the structures' owner) live
// in the caller, which the jump never crosses.
#include <csetjmp>
#include <exception>
#include <memory>
#include <vector>

#include <png.h>

#include "media/image_loader.h"
#include "media/image_size.h"
#include "utils/exceptions.h"

namespace Zephra {

namespace {

// What the read function needs; an exception thrown by the stream is kept
// here while libpng unwinds by longjmp, and thrown again afterwards.
struct PngSource {
    Utils::InputStream* stream;
    std::exception_ptr streamError;
};

// Releases libpng's structures on every way out of the decoder.
struct PngReadStructs {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngReadStructs() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// The layout of the rows after the transformations.
struct PngRowLayout {
    png_uint_32 width;
    png_uint_32 height;
    int colorType;
    size_t rowBytes;
};

bool readExactly(Utils::InputStream& stream, png_bytep out, size_t length) {
    while (length > 0) {
        int32_t piece = length > INT32_MAX ? INT32_MAX : static_cast<int32_t>(length);
        int32_t got = stream.read(out, 1, piece);
        if (got <= 0) return false;
        out += got;
        length -= static_cast<size_t>(got);
    }
    return true;
}

// A short read is an error, as in libpng's own file reader: the bytes that
// were not delivered must not be decoded as if they were data.
void readFromStream(png_structp png, png_bytep out, size_t length) {
    PngSource* source = static_cast<PngSource*>(png_get_io_ptr(png));
    bool complete = false;
    try {
        complete = readExactly(*source->stream, out, length);
    } catch (...) {
        source->streamError = std::current_exception();
    }
    // Outside the handler, so that the jump leaves no exception half-handled.
    if (!complete) png_error(png, "Read Error");
}

// Reads the header and requests the transformations. False when libpng
// gave up.
bool readPngHeader(png_structp png, png_infop info, PngRowLayout* layout) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    int bitDepth = png_get_bit_depth(png, info);
    int colorType = png_get_color_type(png, info);

    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) {
        // Scale 1-, 2- and 4-bit grey to full 8-bit values before they are
        // repeated into red, green and blue.
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16)
        png_set_strip_16(png);
    else if (bitDepth < 8)
        png_set_packing(png);
    // Interlaced files are assembled by png_read_image; asking here keeps
    // libpng from warning that nobody asked.
    png_set_interlace_handling(png);

    png_read_update_info(png, info);
    int depthAfter;
    png_get_IHDR(png, info, &layout->width, &layout->height, &depthAfter, &layout->colorType,
                 nullptr, nullptr, nullptr);
    layout->rowBytes = png_get_rowbytes(png, info);
    return true;
}

// Decodes every row into place. False when libpng gave up.
bool readPngRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

[[noreturn]] void failPng(const PngSource& source) {
    if (source.streamError) std::rethrow_exception(source.streamError);
    throw Exceptions::UnsupportedFormatException("Unsupported format");
}

}  // namespace

BitmapImage* decodePng(Utils::InputStream& stream) {
    PngSource source{&stream, nullptr};
    PngReadStructs structs;
    // No error or warning functions: libpng's defaults print to stderr and
    // jump back through png_jmpbuf.
    structs.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!structs.png) throw Exceptions::UnsupportedFormatException("Unsupported format");
    structs.info = png_create_info_struct(structs.png);
    if (!structs.info) throw Exceptions::UnsupportedFormatException("Unsupported format");
    png_set_read_fn(structs.png, &source, readFromStream);
    // libpng then refuses an oversized header itself, before it sizes the
    // row buffers it keeps for decoding.
    png_set_user_limits(structs.png, maxPictureSide, maxPictureSide);

    PngRowLayout layout;
    if (!readPngHeader(structs.png, structs.info, &layout)) failPng(source);

    PixelType pixelType;
    if (layout.colorType == PNG_COLOR_TYPE_RGB)
        pixelType = RGB8;
    else if (layout.colorType == PNG_COLOR_TYPE_RGB_ALPHA)
        pixelType = RGBA8;
    else
        throw Exceptions::UnsupportedFormatException("Unsupported format");
    int bytesPerPixel = imageBytesPerPixel(pixelType);
    int64_t bytes = pictureByteCount(layout.width, layout.height, bytesPerPixel);
    // The rows must be exactly as wide as the buffer's rows: anything else
    // would let libpng write past them.
    if (bytes < 0 || layout.rowBytes != static_cast<size_t>(layout.width) * bytesPerPixel)
        throw Exceptions::UnsupportedFormatException("Unsupported format");

    std::unique_ptr<unsigned char[]> pixels(new unsigned char[static_cast<size_t>(bytes)]);
    std::unique_ptr<BitmapImage> image(new BitmapImage(
        pixels.get(), static_cast<int32_t>(layout.width), static_cast<int32_t>(layout.height),
        pixelType));
    pixels.release();

    // The file's top row goes to the buffer's last row: bottom row first.
    std::vector<png_bytep> rows(layout.height);
    for (png_uint_32 i = 0; i < layout.height; ++i)
        rows[i] = image->getData() + (layout.height - 1 - i) * layout.rowBytes;
    if (!readPngRows(structs.png, rows.data())) failPng(source);
    return image.release();
}

}  // namespace Zephra
