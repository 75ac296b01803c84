// Decoding test files from memory and checking how decoding fails.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "media/image_loader.h"
#include "utils/exceptions.h"
#include "utils/memory_stream.h"

inline std::unique_ptr<Zephra::Image> decodeBytes(const std::string& bytes) {
    Zephra::Utils::MemoryStream stream(bytes.data(), static_cast<int32_t>(bytes.size()));
    return std::unique_ptr<Zephra::Image>(Zephra::loadImage(stream));
}

// The message of the UnsupportedFormatException that decoding throws, or
// a note that it threw nothing or something else.
inline std::string rejectionOf(const std::string& bytes) {
    try {
        decodeBytes(bytes);
    } catch (const Zephra::Exceptions::UnsupportedFormatException& e) {
        return e.getMessage();
    } catch (...) {
        return "(another exception)";
    }
    return "(decoded)";
}

// Pixel x, y counted from the bottom row, as the buffer stores them.
inline const unsigned char* pixelAt(Zephra::Image& image, int x, int y, int bytesPerPixel) {
    return image.getData() + (static_cast<size_t>(y) * image.getWidth() + x) * bytesPerPixel;
}
