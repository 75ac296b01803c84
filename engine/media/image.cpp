#include "media/image.h"

#include <cstring>

#include "media/image_size.h"
#include "utils/exceptions.h"

namespace Zephra {

BitmapImage::BitmapImage(int32_t width, int32_t height, PixelType pixelType)
    : data(nullptr), width(width), height(height), pixelType(pixelType) {
    int bytesPerPixel = imageBytesPerPixel(pixelType);
    if (bytesPerPixel == 0)
        throw Exceptions::Exception("Unsupported pixel type for BitmapImage.");
    int64_t bytes = imageByteCount(width, height, bytesPerPixel);
    if (bytes < 0)
        throw Exceptions::Exception("Unsupported size for BitmapImage.");
    // Zeroed: RGBA8 starts fully transparent black, Luminance8 with no coverage.
    data = new unsigned char[static_cast<size_t>(bytes)]();
}

BitmapImage::BitmapImage(unsigned char* data, int32_t width, int32_t height, PixelType pixelType)
    : data(data), width(width), height(height), pixelType(pixelType) {}

BitmapImage::~BitmapImage() {
    delete[] data;
}

}  // namespace Zephra
