// Files over the standard buffered C streams, and whole-stream text reading.
#pragma once

#include <cstdio>
#include <string>

#include "utils/streams.h"

namespace Zephra {
namespace Utils {

enum FileMode { Read = 0, Write = 1 };

class File : public InputStream, public OutputStream {
public:
    // Opens name as passed ("rb" or "wb"); throws FileNotFoundException
    // "File not found: <name>" when it cannot. A constructed File is open.
    File(const std::string& name, FileMode mode);
    ~File() override;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    int32_t read(void* buffer, int32_t elementSize, int32_t count) override;
    int32_t write(const void* buffer, int32_t elementSize, int32_t count) override;
    int32_t seek(int32_t offset, SeekOrigin origin) override;
    int32_t getSize() override;

private:
    FILE* handle;
};

// The whole stream followed by one NUL byte; the caller delete[]s it.
// Bytes the stream fails to deliver read as 0.
char* readText(InputStream& stream);
// The same for a file opened by name; the file is closed again in any case.
char* readText(const std::string& fileName);

}  // namespace Utils
}  // namespace Zephra
