// Abstract byte streams. Decoders and the font loader read through
// InputStream so that they work on files and on memory alike.
#pragma once

#include <cstdint>

namespace Zephra {
namespace Utils {

// Values equal SEEK_SET, SEEK_CUR and SEEK_END.
enum SeekOrigin { Begin = 0, Current = 1, End = 2 };

class InputStream {
public:
    // Reads up to count elements of elementSize bytes; returns whole elements read.
    virtual int32_t read(void* buffer, int32_t elementSize, int32_t count) = 0;
    // Moves the read position; 0 on success, non-zero on failure.
    virtual int32_t seek(int32_t offset, SeekOrigin origin) = 0;
    // Total length in bytes. Leaves the position at offset 0 with the
    // end-of-stream state cleared: callers read straight after asking.
    virtual int32_t getSize() = 0;
    virtual ~InputStream() {}
};

class OutputStream {
public:
    // Writes count elements of elementSize bytes; returns whole elements written.
    virtual int32_t write(const void* buffer, int32_t elementSize, int32_t count) = 0;

protected:
    // Never deleted through this interface, hence no public virtual destructor.
    ~OutputStream() {}
};

}  // namespace Utils
}  // namespace Zephra
