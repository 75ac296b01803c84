// An image that is only its four queries, as a texture reads it.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "media/image.h"

class PlainImage : public Zephra::Image {
public:
    PlainImage(int w, int h, Zephra::PixelType type, std::vector<unsigned char> bytes)
        : w(w), h(h), type(type), bytes(std::move(bytes)) {}
    int32_t getWidth() override { return w; }
    int32_t getHeight() override { return h; }
    Zephra::PixelType getPixelType() override { return type; }
    unsigned char* getData() override { return bytes.data(); }

private:
    int w, h;
    Zephra::PixelType type;
    std::vector<unsigned char> bytes;
};
