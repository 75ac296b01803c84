// Shared by the font suites: the Carlito font's bytes, a stream over bytes
// in memory that can be told to fall short, and image helpers.
#pragma once

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "zephra.h"

// The font the game ships, copied into data/ by the build.
inline std::string carlitoBytes() {
    std::ifstream in("data/calibri.ttf", std::ios::binary);
    if (!in)
        in.open("/usr/share/fonts/truetype/crosextra/Carlito-Regular.ttf", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Serves bytes like a file; withholds the last `missing` bytes from read().
class BytesStream : public Zephra::Utils::InputStream {
public:
    explicit BytesStream(std::string bytes, int32_t missing = 0)
        : bytes(std::move(bytes)), missing(missing) {}

    int32_t read(void* buffer, int32_t elementSize, int32_t count) override {
        const int64_t available = int64_t(bytes.size()) - missing - position;
        if (elementSize <= 0 || count <= 0 || available <= 0)
            return 0;
        const int64_t elements = std::min<int64_t>(count, available / elementSize);
        std::memcpy(buffer, bytes.data() + position, size_t(elements * elementSize));
        position += elements * elementSize;
        return int32_t(elements);
    }
    int32_t seek(int32_t offset, Zephra::Utils::SeekOrigin origin) override {
        const int64_t base = origin == Zephra::Utils::Begin     ? 0
                             : origin == Zephra::Utils::Current ? position
                                                                : int64_t(bytes.size());
        if (base + offset < 0 || base + offset > int64_t(bytes.size()))
            return 1;
        position = base + offset;
        return 0;
    }
    int32_t getSize() override {
        position = 0;
        return int32_t(bytes.size());
    }

private:
    std::string bytes;
    int32_t missing;
    int64_t position = 0;
};

// Whether any byte of the image's buffer is non-zero.
inline bool anyInk(Zephra::Image& image, int bytesPerPixel) {
    const unsigned char* p = image.getData();
    const size_t n = size_t(image.getWidth()) * size_t(image.getHeight()) * bytesPerPixel;
    for (size_t i = 0; i < n; ++i)
        if (p[i])
            return true;
    return false;
}
