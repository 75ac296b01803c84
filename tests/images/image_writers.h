// Small PNG and JPEG files made in memory with libpng's and libjpeg's own
// writers, so that the decoders are tested on files no decoder of ours made.
#pragma once

#include <string>
#include <vector>

#include <jpeglib.h>
#include <png.h>

struct PngPicture {
    int width = 0;
    int height = 0;
    int colorType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    // One value per channel of every pixel, top row first, at bitDepth.
    std::vector<int> samples;
    std::vector<png_color> palette;
    // tRNS chunk: alpha per palette entry, or for grey/RGB the one
    // transparent value in transparentColor.
    std::vector<png_byte> paletteAlpha;
    bool hasTransparentColor = false;
    png_color_16 transparentColor{};
    bool interlaced = false;
};

std::string encodePng(const PngPicture& picture);

struct JpegPicture {
    int width = 0;
    int height = 0;
    int components = 3;
    J_COLOR_SPACE colorSpace = JCS_RGB;
    // The colour space inside the file; JCS_UNKNOWN keeps the library's choice.
    J_COLOR_SPACE storedColorSpace = JCS_UNKNOWN;
    // components bytes per pixel, top row first.
    std::vector<unsigned char> samples;
    int quality = 100;
    bool progressive = false;
};

std::string encodeJpeg(const JpegPicture& picture);

// A JPEG of width x height whose top half is one colour and bottom half another.
JpegPicture twoBandJpeg(int width, int height, const unsigned char top[3],
                        const unsigned char bottom[3]);

// Replaces the contents of the PNG chunk of that type (its first occurrence)
// and writes a matching CRC, so that only the change counts.
std::string withPngChunk(const std::string& png, const char type[4], const std::string& data);
// Offset of the first PNG chunk of that type (its length field), or npos.
size_t findPngChunk(const std::string& png, const char type[4]);
