// Decoding PNG and JPEG files into BitmapImages ready for texture upload:
// RGB8 or RGBA8, tightly packed, bottom row first. Every failure throws
// UnsupportedFormatException; the caller owns the image returned.
#pragma once

#include <string>

#include "media/image.h"
#include "utils/streams.h"

namespace Zephra {

// Decodes the file that starts at the stream's current position. Bytes 1 to
// 3 reading "PNG" select PNG; everything else goes to the JPEG decoder.
// The stream stays open; its position afterwards is unspecified.
BitmapImage* loadImage(Utils::InputStream& stream);
// Opens the file (FileNotFoundException if it cannot), decodes and closes it.
BitmapImage* loadImage(const std::string& fileName);

// The two decoders behind loadImage, for callers that know the format.
// RGB8, or RGBA8 with alpha or a transparency chunk; grey files of 1, 2
// and 4 bits become RGB; 8- and 16-bit grey files are rejected.
BitmapImage* decodePng(Utils::InputStream& stream);
// Colour JPEG as RGB8. Greyscale files throw "Image format not supported:
// Greyscale JPEG"; CMYK and YCCK files "Unsupported format". A file cut
// short decodes at its full size, the missing part as the library fills it.
BitmapImage* decodeJpeg(Utils::InputStream& stream);

}  // namespace Zephra
