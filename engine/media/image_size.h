// Byte counts of pixel buffers, worked out in 64 bits so that no size a
// file can declare wraps around into a small allocation.
#pragma once

#include <cstdint>

#include "media/image.h"

namespace Zephra {

// The largest pixel buffer an image may hold: its size must fit the signed
// 32-bit counts that streams and textures work with.
constexpr int64_t maxImageBytes = INT32_MAX;

// Bytes per pixel of the types an image can carry; 0 for any other type.
inline int imageBytesPerPixel(PixelType type) {
    switch (type) {
    case Luminance8: return 1;
    case RGBA8: return 4;
    case RGB8: return 3;
    default: return 0;
    }
}

// width x height x bytesPerPixel, or -1 when a size is negative or the
// count exceeds maxImageBytes.
inline int64_t imageByteCount(int64_t width, int64_t height, int bytesPerPixel) {
    if (width < 0 || height < 0 || bytesPerPixel <= 0) return -1;
    if (width == 0 || height == 0) return 0;
    // Divide instead of multiplying so that even 64 bits cannot overflow.
    if (width > maxImageBytes / bytesPerPixel / height) return -1;
    return width * height * bytesPerPixel;
}

// What a picture file may declare. A few hundred bytes of header can claim
// gigabytes of pixels, which the decoders would then fill from nothing: no
// side beyond the largest texture that common drivers accept, and no more
// than 256 MiB decoded. The game's own pictures are at most 1024 wide.
constexpr int64_t maxPictureSide = 16384;
constexpr int64_t maxPictureBytes = int64_t(256) << 20;

// imageByteCount for a picture file's declared size, or -1 when the picture
// exceeds the limits above.
inline int64_t pictureByteCount(int64_t width, int64_t height, int bytesPerPixel) {
    if (width > maxPictureSide || height > maxPictureSide) return -1;
    int64_t bytes = imageByteCount(width, height, bytesPerPixel);
    return bytes > maxPictureBytes ? -1 : bytes;
}

}  // namespace Zephra
