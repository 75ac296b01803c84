// Feeds arbitrary bytes to loadImage through a MemoryStream. Rejections are
// expected; crashes, leaks, sanitizer reports and hangs are the findings.
#include <cstddef>
#include <cstdint>

#include "media/image_loader.h"
#include "utils/exceptions.h"
#include "utils/memory_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return 0;
    Zephra::Utils::MemoryStream stream(data, static_cast<int32_t>(size));
    try {
        delete Zephra::loadImage(stream);
    } catch (const Zephra::Exceptions::Exception&) {
    }
    return 0;
}
