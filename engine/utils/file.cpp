#include "utils/file.h"

#include <cstring>

#include <sys/stat.h>

#include "utils/exceptions.h"

namespace Zephra {
namespace Utils {

namespace {

// fopen happily opens a directory for reading here; it is no file all the same.
bool isDirectory(FILE* handle) {
    struct stat info;
    return fstat(fileno(handle), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

File::File(const std::string& name, FileMode mode)
    : handle(std::fopen(name.c_str(), mode == Write ? "wb" : "rb")) {
    if (handle && isDirectory(handle)) {
        std::fclose(handle);
        handle = nullptr;
    }
    if (!handle)
        throw Exceptions::FileNotFoundException("File not found: " + name);
}

File::~File() {
    if (handle) {
        std::fclose(handle);
        handle = nullptr;
    }
}

int32_t File::read(void* buffer, int32_t elementSize, int32_t count) {
    if (elementSize <= 0 || count <= 0) return 0;
    return static_cast<int32_t>(std::fread(buffer, elementSize, count, handle));
}

int32_t File::write(const void* buffer, int32_t elementSize, int32_t count) {
    if (elementSize <= 0 || count <= 0) return 0;
    return static_cast<int32_t>(std::fwrite(buffer, elementSize, count, handle));
}

int32_t File::seek(int32_t offset, SeekOrigin origin) {
    int whence = origin == Current ? SEEK_CUR : origin == End ? SEEK_END : SEEK_SET;
    return std::fseek(handle, offset, whence);
}

int32_t File::getSize() {
    std::fseek(handle, 0, SEEK_END);
    long length = std::ftell(handle);
    // rewind also clears the end-of-file and error flags; readers rely on that.
    std::rewind(handle);
    return static_cast<int32_t>(length);
}

char* readText(InputStream& stream) {
    int32_t size = stream.getSize();
    if (size < 0) size = 0;
    char* text = new char[static_cast<size_t>(size) + 1];
    // Zeroed first so that a stream that delivers less than it announced
    // (a file that shrank meanwhile) never hands back uninitialised bytes.
    std::memset(text, 0, static_cast<size_t>(size) + 1);
    for (int32_t i = 0; i < size; ++i) stream.read(text + i, 1, 1);
    text[size] = '\0';
    return text;
}

char* readText(const std::string& fileName) {
    File file(fileName, Read);
    return readText(file);
}

}  // namespace Utils
}  // namespace Zephra
