// One OpenGL 2D texture, filled from an image or a raw pixel buffer.
// Uploads and parameter changes bind the texture and leave it bound.
#pragma once

#include <cstdint>

#include "media/image.h"

namespace Zephra {

// Nearest and Linear clamp to the edge; Mipmapped builds the levels at
// upload (when pixels are given) and keeps the wrap modes.
enum TextureFilterEnum : int {
    Nearest = 0,
    Linear = 1,
    Mipmapped = 2
};

// Both coordinates at once. Every value but ClampToEdge repeats.
enum TextureWrapEnum : int {
    Repeat = 0,
    ClampToEdge = 1
};

class Texture {
public:
    // A texture name without storage.
    Texture();
    // A texture filled from image.
    Texture(Image& image, TextureFilterEnum filter);
    ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    // Replaces the content with image's; the name stays.
    void load(Image& image, TextureFilterEnum filter);
    // Specifies width x height pixels of pixelType (tightly packed rows,
    // bottom row first); null pixels give storage without content.
    void upload(int width, int height, const void* pixels, PixelType pixelType,
                TextureFilterEnum filter);
    // Replaces width x height pixels of level 0 from column x, row y on
    // with pixels of the last upload's pixel type, whose rows lie rowLength
    // pixels apart (pixels points at the area's first pixel); the filters
    // and the rest stay. What lies outside the last upload's size is left
    // out. Mipmapped levels above 0 are not rebuilt.
    void replaceArea(int x, int y, int width, int height, const void* pixels, int rowLength);
    // Changes only the sampling filters; builds no levels.
    void setFilter(TextureFilterEnum filter);
    void setWrap(TextureWrapEnum wrap);

    std::uint32_t getName() const { return name; }      // the OpenGL texture name
    int getWidth() const { return width; }               // of the last upload
    int getHeight() const { return height; }             // of the last upload
    PixelType getPixelType() const { return pixelType; } // of the last upload
    TextureFilterEnum getFilter() const { return filter; } // given to the last upload

private:
    std::uint32_t name = 0;
    std::uint32_t format = 0;
    std::uint32_t type = 0;
    PixelType pixelType = RGBA8;
    TextureFilterEnum filter = Nearest;
    int width = 0;
    int height = 0;
    std::int32_t internalFormat = 0;
};

}  // namespace Zephra
