// Texture uploads: the OpenGL formats come from the pixel type, the sampling
// from the filter. Rows are tightly packed, so the alignment is 1.
#include "render/texture.h"

#include <GL/gl.h>
// Constants beyond OpenGL 1.1, which Windows' own gl.h stops at.
#include <GL/glext.h>
#include <GL/glu.h>

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

void setFilters(GLint magnification, GLint minification) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magnification);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minification);
}

void setWrapModes(GLint mode) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, mode);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, mode);
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
        format = pixelFormats[pixelType].format;
        type = pixelFormats[pixelType].type;
        internalFormat = pixelFormats[pixelType].internalFormat;
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
            gluBuild2DMipmaps(GL_TEXTURE_2D, internalFormat, width, height, format, type, pixels);
        else
            glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, type, nullptr);
        setFilters(GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR);
        break;
    default:
        break;  // no image, no parameters
    }
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
