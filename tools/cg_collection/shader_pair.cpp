#include "shader_pair.h"

#include <sstream>

#include "Cg/cgGL.h"

namespace cgcollection {
namespace {

bool saysError(const std::string& line) { return line.find("error") != std::string::npos; }

// The first line that says "error", else the first non-empty line. Where
// the driver's log follows our own line and opens with warnings, its first
// error is the one that counts.
std::string firstErrorLine(const char* listing) {
    if (!listing || !*listing) return "(no listing)";
    static const std::string driver = "rejected the generated code: ";
    std::istringstream lines(listing);
    std::string line, first, wrapper;
    while (std::getline(lines, line)) {
        if (first.empty() && !line.empty()) first = line;
        size_t log = line.find(driver);
        if (log != std::string::npos && !saysError(line.substr(log + driver.size()))) {
            wrapper = line.substr(0, log + driver.size());
            continue;
        }
        if (saysError(line)) return wrapper + line;
    }
    return first.empty() ? "(empty listing)" : first;
}

std::string listing(CGcontext context) {
    const char* text = cgGetLastListing(context);
    return text ? text : "";
}

struct Programs {
    CGprogram vertex = nullptr, fragment = nullptr;
    ~Programs() {
        cgGLUnbindProgram(CG_PROFILE_ARBVP1);
        cgGLUnbindProgram(CG_PROFILE_ARBFP1);
        if (vertex) cgDestroyProgram(vertex);
        if (fragment) cgDestroyProgram(fragment);
    }
};

}  // namespace

const char* stageName(Stage stage) {
    switch (stage) {
    case Stage::Compile: return "compile";
    case Stage::Load: return "load";
    case Stage::Link: return "link";
    case Stage::Done: return "done";
    }
    return "?";
}

PairResult compileLoadLink(CGcontext context, const std::string& path, const char** compilerArgs) {
    const CGprofile vertexProfile = CG_PROFILE_ARBVP1, fragmentProfile = CG_PROFILE_ARBFP1;
    PairResult result;
    Programs programs;
    cgGetError();
    const struct {
        CGprofile profile;
        const char* entry;
        CGprogram* slot;
    } stages[] = {{vertexProfile, "main_vertex", &programs.vertex},
                  {fragmentProfile, "main_fragment", &programs.fragment}};
    for (const auto& s : stages) {
        *s.slot = cgCreateProgramFromFile(context, CG_SOURCE, path.c_str(), s.profile, s.entry, compilerArgs);
        if (!*s.slot) {
            result = {Stage::Compile, s.entry, firstErrorLine(cgGetLastListing(context)), listing(context)};
            cgGetError();
            return result;
        }
    }
    for (const auto& s : stages) {
        cgGLLoadProgram(*s.slot);
        if (cgGetError() != CG_NO_ERROR) {
            result = {Stage::Load, s.entry, firstErrorLine(cgGetLastListing(context)), listing(context)};
            return result;
        }
    }
    cgGLEnableProfile(vertexProfile);
    cgGLEnableProfile(fragmentProfile);
    cgGLBindProgram(programs.vertex);
    cgGLBindProgram(programs.fragment);
    CGerror bound = cgGetError();
    cgGLDisableProfile(vertexProfile);
    cgGLDisableProfile(fragmentProfile);
    if (bound != CG_NO_ERROR)
        result = {Stage::Link, "", firstErrorLine(cgGetLastListing(context)), listing(context)};
    return result;
}

}  // namespace cgcollection
