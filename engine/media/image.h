// In-memory images: tightly packed rows, bottom row first, red first.
#pragma once

#include <cstdint>

namespace Zephra {

// Fixed values: images and textures both switch on them. Images carry only
// the first three.
enum PixelType {
    Luminance8 = 0,
    RGBA8 = 1,
    RGB8 = 2,
    RGBA32F = 3,
    Depth16 = 4,
    Depth24 = 5
};

class Image {
public:
    virtual ~Image() {}
    virtual int32_t getWidth() = 0;
    virtual int32_t getHeight() = 0;
    virtual PixelType getPixelType() = 0;
    virtual unsigned char* getData() = 0;
};

class BitmapImage : public Image {
public:
    // A zeroed buffer of Luminance8, RGBA8 or RGB8 pixels. Throws before
    // allocating for any other type, and for negative sizes or byte counts
    // above 2^31 - 1.
    BitmapImage(int32_t width, int32_t height, PixelType pixelType);
    // Adopts data (allocated with new[]), unchecked and uncopied.
    BitmapImage(unsigned char* data, int32_t width, int32_t height, PixelType pixelType);
    ~BitmapImage() override;
    BitmapImage(const BitmapImage&) = delete;
    BitmapImage& operator=(const BitmapImage&) = delete;

    int32_t getWidth() override { return width; }
    int32_t getHeight() override { return height; }
    PixelType getPixelType() override { return pixelType; }
    unsigned char* getData() override { return data; }

private:
    unsigned char* data;
    int32_t width;
    int32_t height;
    PixelType pixelType;
};

}  // namespace Zephra
