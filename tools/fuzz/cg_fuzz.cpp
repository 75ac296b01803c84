// Fuzz target for the Cg compiler: any bytes as source, compiled for the
// stage the first byte picks. No OpenGL is touched: compilation is headless.
// Bytes after a NUL are include files: each further NUL starts the next of
// "a.inc", "b.inc", "c.inc", which the source may #include (and they each
// other, cycles included).
#include <cstddef>
#include <cstdint>
#include <string>

#include "Cg/cg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CGcontext context = cgCreateContext();
    if (size == 0) return 0;
    CGprofile profile = (data[0] & 1) ? CG_PROFILE_ARBVP1 : CG_PROFILE_ARBFP1;
    const char* entry = (data[0] & 2) ? "main" : ((data[0] & 1) ? "vsMain" : "psMain");
    std::string all(reinterpret_cast<const char*>(data) + 1, size - 1);
    size_t end = all.find('\0');
    std::string source = all.substr(0, end);
    static const char* const names[] = {"a.inc", "b.inc", "c.inc"};
    for (const char* name : names) {
        std::string text;
        if (end != std::string::npos) {
            size_t next = all.find('\0', end + 1);
            text = all.substr(end + 1, next == std::string::npos ? std::string::npos : next - end - 1);
            end = next;
        }
        // An empty section removes the file, so that a missing include is explored too.
        cgSetCompilerIncludeString(context, name, text.empty() ? nullptr : text.c_str());
    }
    const char* args[] = {"-DFUZZ=1", nullptr};
    CGprogram program = cgCreateProgram(context, CG_SOURCE, source.c_str(), profile, entry, (data[0] & 4) ? args : nullptr);
    if (program) {
        cgGetNamedParameter(program, "color");
        cgDestroyProgram(program);
    }
    cgGetError();
    return 0;
}
