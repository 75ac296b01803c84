// Fuzz target for the Cg compiler: any bytes as source, compiled for the
// stage the first byte picks. No OpenGL is touched: compilation is headless.
#include <cstddef>
#include <cstdint>
#include <string>

#include "Cg/cg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static CGcontext context = cgCreateContext();
    if (size == 0) return 0;
    CGprofile profile = (data[0] & 1) ? CG_PROFILE_ARBVP1 : CG_PROFILE_ARBFP1;
    const char* entry = (data[0] & 2) ? "main" : ((data[0] & 1) ? "vsMain" : "psMain");
    std::string source(reinterpret_cast<const char*>(data) + 1, size - 1);
    CGprogram program = cgCreateProgram(context, CG_SOURCE, source.c_str(), profile, entry, nullptr);
    if (program) {
        cgGetNamedParameter(program, "color");
        cgDestroyProgram(program);
    }
    cgGetError();
    return 0;
}
