#include "utils/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace Zephra {
namespace Utils {

MemoryStream::MemoryStream(const void* data, int32_t size)
    : data(static_cast<const unsigned char*>(data)), size(std::max(size, 0)), position(0) {}

int32_t MemoryStream::read(void* buffer, int32_t elementSize, int32_t count) {
    if (elementSize <= 0 || count <= 0 || position >= size) return 0;
    int64_t wanted = static_cast<int64_t>(elementSize) * count;
    int64_t available = std::min<int64_t>(wanted, size - position);
    std::memcpy(buffer, data + position, static_cast<size_t>(available));
    position += available;
    return static_cast<int32_t>(available / elementSize);
}

int32_t MemoryStream::seek(int32_t offset, SeekOrigin origin) {
    int64_t base = origin == Current ? position : origin == End ? size : 0;
    int64_t target = base + offset;
    if (target < 0 || target > INT32_MAX) return -1;
    position = target;
    return 0;
}

int32_t MemoryStream::getSize() {
    position = 0;
    return size;
}

}  // namespace Utils
}  // namespace Zephra
