// Feeds arbitrary bytes to loadImage through a MemoryStream. Rejections are
// expected; crashes, leaks, sanitizer reports and hangs are the findings.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "media/image_loader.h"
#include "utils/exceptions.h"
#include "utils/memory_stream.h"

namespace {

// Pictures up to 2^31 - 1 bytes are valid, and a JPEG cut short after its
// header decodes at full size: a few hundred bytes can rightly ask for
// seconds of work and gigabytes of memory, which the fuzzer would report as
// timeouts. Inputs that declare more pixels than this are skipped.
const uint64_t maxPixels = 4u << 20;

uint32_t bigEndian(const uint8_t* p, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | p[i];
    return value;
}

// Any PNG header or JPEG frame marker anywhere in the input counts, so
// that no decoder path can reach a large declared size.
bool declaresHugePicture(const uint8_t* data, size_t size) {
    if (size >= 24 && std::memcmp(data + 12, "IHDR", 4) == 0 &&
        uint64_t(bigEndian(data + 16, 4)) * bigEndian(data + 20, 4) > maxPixels)
        return true;
    for (size_t i = 0; i + 9 <= size; ++i) {
        bool frame = data[i] == 0xFF && (data[i + 1] & 0xF0) == 0xC0 && data[i + 1] != 0xC4 &&
                     data[i + 1] != 0xC8 && data[i + 1] != 0xCC;
        if (frame && uint64_t(bigEndian(data + i + 5, 2)) * bigEndian(data + i + 7, 2) > maxPixels)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX || declaresHugePicture(data, size)) return 0;
    Zephra::Utils::MemoryStream stream(data, static_cast<int32_t>(size));
    try {
        delete Zephra::loadImage(stream);
    } catch (const Zephra::Exceptions::Exception&) {
    }
    return 0;
}
