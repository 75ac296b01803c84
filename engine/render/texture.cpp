// Texture uploads: the OpenGL formats come from the pixel type, the sampling
// from the filter. Rows are tightly packed, so the alignment is 1.
#include "render/texture.h"

#include <algorithm>
#include <cstddef>

#include <GL/gl.h>
// Constants beyond OpenGL 1.1, which Windows' own gl.h stops at.
#include <GL/glext.h>
#include <GL/glu.h>

#include "render/es/es_context.h"
#ifdef ZEPHRA_GLES
#include "render/es/es_functions.h"
#endif

#ifndef GL_RGBA32F_ARB
#define GL_RGBA32F_ARB 0x8814
#endif

namespace Zephra {

namespace {

struct PixelFormat {
    GLenum format;
    GLenum type;
    GLint internalFormat;
};

// The byte formats use plain component counts as internal formats.
const PixelFormat pixelFormats[] = {
    {GL_LUMINANCE, GL_UNSIGNED_BYTE, 1},
    {GL_RGBA, GL_UNSIGNED_BYTE, 4},
    {GL_RGB, GL_UNSIGNED_BYTE, 3},
    {GL_RGBA, GL_FLOAT, GL_RGBA32F_ARB},
    {GL_DEPTH_COMPONENT, GL_UNSIGNED_BYTE, GL_DEPTH_COMPONENT16},
    {GL_DEPTH_COMPONENT, GL_UNSIGNED_BYTE, GL_DEPTH_COMPONENT24},
};

// OpenGL ES 3.0 and WebGL 2 take only the unsized internal formats that
// equal their format, or sized ones, and depth data only as 16 or 32-bit
// integers. Luminance stays luminance: ES has no swizzle in WebGL 2, and a
// shader must still sample (L, L, L, 1).
const PixelFormat esPixelFormats[] = {
    {GL_LUMINANCE, GL_UNSIGNED_BYTE, GL_LUMINANCE},
    {GL_RGBA, GL_UNSIGNED_BYTE, GL_RGBA},
    {GL_RGB, GL_UNSIGNED_BYTE, GL_RGB},
    {GL_RGBA, GL_FLOAT, GL_RGBA32F_ARB},
    {GL_DEPTH_COMPONENT, GL_UNSIGNED_SHORT, GL_DEPTH_COMPONENT16},
    {GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, GL_DEPTH_COMPONENT24},
};

// The whole chain of levels from level 0. ES has no GLU: the driver builds
// the levels, at the image's own size (ES 3.0 mipmaps any size; GLU would
// first rescale to powers of two).
void buildMipmaps(GLint internalFormat, int width, int height, GLenum format, GLenum type,
                  const void* pixels) {
#ifdef ZEPHRA_GLES
    if (ES::active()) {
        glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, pixels);
        ES::gl.glGenerateMipmap(GL_TEXTURE_2D);
        return;
    }
#endif
    gluBuild2DMipmaps(GL_TEXTURE_2D, internalFormat, width, height, format, type, pixels);
}

void setFilters(GLint magnification, GLint minification) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnification);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minification);
}

void setWrapModes(GLint mode) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
}

// The size of one pixel of the formats above.
std::size_t bytesPerPixel(GLenum format, GLenum type) {
    const std::size_t components = format == GL_RGBA ? 4 : format == GL_RGB ? 3 : 1;
    const std::size_t componentBytes =
        type == GL_FLOAT || type == GL_UNSIGNED_INT ? 4 : type == GL_UNSIGNED_SHORT ? 2 : 1;
    return components * componentBytes;
}

}  // namespace

Texture::Texture() { glGenTextures(1, &name); }

Texture::Texture(Image& image, TextureFilterEnum filter) {
    glGenTextures(1, &name);
    load(image, filter);
}

Texture::~Texture() { glDeleteTextures(1, &name); }

void Texture::load(Image& image, TextureFilterEnum filter) {
    upload(image.getWidth(), image.getHeight(), image.getData(), image.getPixelType(), filter);
}

void Texture::upload(int width, int height, const void* pixels, PixelType pixelType,
                     TextureFilterEnum filter) {
    this->filter = filter;
    this->pixelType = pixelType;
    this->width = width;
    this->height = height;

    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glBindTexture(GL_TEXTURE_2D, name);

    // A pixel type outside the table keeps the formats of the last upload.
    if (pixelType >= 0 && pixelType < static_cast<int>(sizeof pixelFormats / sizeof *pixelFormats)) {
        const PixelFormat& formats = ES::active() ? esPixelFormats[pixelType] : pixelFormats[pixelType];
        format = formats.format;
        type = formats.type;
        internalFormat = formats.internalFormat;
    }

    switch (filter) {
    case Nearest:
    case Linear: {
        glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, pixels);
        GLint mode = filter == Nearest ? GL_NEAREST : GL_LINEAR;
        setFilters(mode, mode);
        setWrapModes(GL_CLAMP_TO_EDGE);
        break;
    }
    case Mipmapped:
        // The wrap modes stay as they are: GL_REPEAT on a fresh texture.
        if (pixels)
            buildMipmaps(internalFormat, width, height, format, type, pixels);
        else
            glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, nullptr);
        setFilters(GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR);
        break;
    default:
        break;  // no image, no parameters
    }
}

void Texture::replaceArea(int x, int y, int areaWidth, int areaHeight, const void* pixels,
                          int rowLength) {
    if (!pixels || rowLength <= 0)
        return;
    // Clipped to the texture: pixels then starts further in.
    const std::size_t pixelBytes = bytesPerPixel(format, type);
    const int skipColumns = x < 0 ? -x : 0;
    const int skipRows = y < 0 ? -y : 0;
    x += skipColumns;
    y += skipRows;
    areaWidth = std::min(areaWidth - skipColumns, width - x);
    areaHeight = std::min(areaHeight - skipRows, height - y);
    if (areaWidth <= 0 || areaHeight <= 0)
        return;
    const unsigned char* first = static_cast<const unsigned char*>(pixels) +
                                 (std::size_t(skipRows) * std::size_t(rowLength) +
                                  std::size_t(skipColumns)) * pixelBytes;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength == areaWidth ? 0 : rowLength);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, areaWidth, areaHeight, format, type, first);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
}

void Texture::setFilter(TextureFilterEnum filter) {
    glBindTexture(GL_TEXTURE_2D, name);
    switch (filter) {
    case Nearest: setFilters(GL_NEAREST, GL_NEAREST); break;
    case Linear: setFilters(GL_LINEAR, GL_LINEAR); break;
    case Mipmapped: setFilters(GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR); break;
    default: break;
    }
}

void Texture::setWrap(TextureWrapEnum wrap) {
    glBindTexture(GL_TEXTURE_2D, name);
    setWrapModes(wrap == ClampToEdge ? GL_CLAMP_TO_EDGE : GL_REPEAT);
}

}  // namespace Zephra
