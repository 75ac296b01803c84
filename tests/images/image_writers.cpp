#include "image_writers.h"

#include <csetjmp>
#include <cstring>

#include <zlib.h>

namespace {

void appendToString(png_structp png, png_bytep data, size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), length);
}

void noFlush(png_structp) {}

int channelsOf(int colorType) {
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA: return 4;
    default: return 1;  // palette indices
    }
}

// Packs one row of samples at the bit depth, high bits first as PNG stores them.
std::vector<png_byte> packRow(const int* samples, int count, int bitDepth) {
    std::vector<png_byte> row;
    if (bitDepth == 16) {
        for (int i = 0; i < count; ++i) {
            row.push_back(static_cast<png_byte>(samples[i] >> 8));
            row.push_back(static_cast<png_byte>(samples[i] & 0xFF));
        }
        return row;
    }
    int perByte = 8 / bitDepth;
    row.assign((count + perByte - 1) / perByte, 0);
    for (int i = 0; i < count; ++i)
        row[i / perByte] |= samples[i] << (8 - bitDepth * (i % perByte + 1));
    return row;
}

bool writePng(const PngPicture& picture, png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!picture.palette.empty())
        png_set_PLTE(png, info, picture.palette.data(), static_cast<int>(picture.palette.size()));
    if (!picture.paletteAlpha.empty())
        png_set_tRNS(png, info, picture.paletteAlpha.data(),
                     static_cast<int>(picture.paletteAlpha.size()), nullptr);
    if (picture.hasTransparentColor)
        png_set_tRNS(png, info, nullptr, 0, &picture.transparentColor);
    png_write_info(png, info);

    int perRow = picture.width * channelsOf(picture.colorType);
    std::vector<std::vector<png_byte>> rows;
    for (int y = 0; y < picture.height; ++y)
        rows.push_back(packRow(picture.samples.data() + y * perRow, perRow, picture.bitDepth));
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::string encodePng(const PngPicture& picture) {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, appendToString, noFlush);
    bool written = writePng(picture, png, info);
    png_destroy_write_struct(&png, &info);
    return written ? out : std::string();
}

std::string encodeJpeg(const JpegPicture& picture) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = picture.width;
    info.image_height = picture.height;
    info.input_components = picture.components;
    info.in_color_space = picture.colorSpace;
    jpeg_set_defaults(&info);
    if (picture.storedColorSpace != JCS_UNKNOWN) jpeg_set_colorspace(&info, picture.storedColorSpace);
    jpeg_set_quality(&info, picture.quality, TRUE);
    if (picture.progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.samples.data()) +
                       info.next_scanline * picture.width * picture.components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string out(reinterpret_cast<char*>(buffer), size);
    free(buffer);
    return out;
}

JpegPicture twoBandJpeg(int width, int height, const unsigned char top[3],
                        const unsigned char bottom[3]) {
    JpegPicture picture;
    picture.width = width;
    picture.height = height;
    for (int y = 0; y < height; ++y) {
        const unsigned char* colour = y < height / 2 ? top : bottom;
        for (int x = 0; x < width; ++x) picture.samples.insert(picture.samples.end(), colour, colour + 3);
    }
    return picture;
}

size_t findPngChunk(const std::string& png, const char type[4]) {
    size_t at = 8;
    while (at + 8 <= png.size()) {
        uint32_t length = (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) |
                          (uint8_t(png[at + 2]) << 8) | uint8_t(png[at + 3]);
        if (png.compare(at + 4, 4, type, 4) == 0) return at;
        at += 12 + length;
    }
    return std::string::npos;
}

std::string withPngChunk(const std::string& png, const char type[4], const std::string& data) {
    size_t at = findPngChunk(png, type);
    uint32_t oldLength = (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) |
                         (uint8_t(png[at + 2]) << 8) | uint8_t(png[at + 3]);
    std::string chunk;
    uint32_t length = static_cast<uint32_t>(data.size());
    for (int shift = 24; shift >= 0; shift -= 8) chunk += char(length >> shift);
    chunk += std::string(type, 4) + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data() + 4), chunk.size() - 4);
    for (int shift = 24; shift >= 0; shift -= 8) chunk += char(crc >> shift);
    return png.substr(0, at) + chunk + png.substr(at + 12 + oldLength);
}
