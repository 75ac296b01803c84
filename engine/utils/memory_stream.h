// An InputStream over bytes already in memory: decoders and loaders work on
// it exactly as on a File (fuzz targets, tests, embedded data).
#pragma once

#include <cstdint>

#include "utils/streams.h"

namespace Zephra {
namespace Utils {

class MemoryStream : public InputStream {
public:
    // Reads the size bytes at data, which must outlive the stream; nothing is
    // copied. A negative size counts as 0.
    MemoryStream(const void* data, int32_t size);

    // Like fread: copies what is left up to elementSize x count bytes and
    // returns the number of whole elements among them.
    int32_t read(void* buffer, int32_t elementSize, int32_t count) override;
    // Like fseek: any position from 0 on, also past the end (reads there
    // return 0); a negative target fails with -1 and leaves the position.
    int32_t seek(int32_t offset, SeekOrigin origin) override;
    // The byte count; the position goes back to 0.
    int32_t getSize() override;

private:
    const unsigned char* data;
    int32_t size;
    int64_t position;
};

}  // namespace Utils
}  // namespace Zephra
