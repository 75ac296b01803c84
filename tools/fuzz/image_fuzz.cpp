// Feeds arbitrary bytes to loadImage through a MemoryStream. Rejections are
// expected; crashes, leaks, sanitizer reports and hangs are the findings.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "media/image_loader.h"
#include "media/image_size.h"
#include "utils/exceptions.h"
#include "utils/memory_stream.h"

namespace {

// A picture within the decoders' limits (256 MiB) can rightly ask for
// seconds of work, and a JPEG cut short after its header decodes at full
// size: such inputs would be reported as timeouts, so those that declare
// more pixels than this are skipped. Larger claims, which the decoders must
// refuse at once, are fed in.
const uint64_t maxPixels = 4u << 20;

bool slowButValid(uint64_t width, uint64_t height) {
    return width * height > maxPixels && width <= Zephra::maxPictureSide &&
           height <= Zephra::maxPictureSide && width * height * 3 <= Zephra::maxPictureBytes;
}

uint32_t bigEndian(const uint8_t* p, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = value << 8 | p[i];
    return value;
}

// Any PNG header or JPEG frame marker anywhere in the input counts, so
// that no decoder path can reach a slow declared size.
bool declaresSlowPicture(const uint8_t* data, size_t size) {
    if (size >= 24 && std::memcmp(data + 12, "IHDR", 4) == 0 &&
        slowButValid(bigEndian(data + 16, 4), bigEndian(data + 20, 4)))
        return true;
    for (size_t i = 0; i + 9 <= size; ++i) {
        bool frame = data[i] == 0xFF && (data[i + 1] & 0xF0) == 0xC0 && data[i + 1] != 0xC4 &&
                     data[i + 1] != 0xC8 && data[i + 1] != 0xCC;
        if (frame && slowButValid(bigEndian(data + i + 7, 2), bigEndian(data + i + 5, 2)))
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX || declaresSlowPicture(data, size)) return 0;
    Zephra::Utils::MemoryStream stream(data, static_cast<int32_t>(size));
    try {
        delete Zephra::loadImage(stream);
    } catch (const Zephra::Exceptions::Exception&) {
    }
    return 0;
}
