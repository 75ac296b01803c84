// cgc: compiles one Cg file with our runtime and prints the GLSL that the
// runtime would load, or the diagnostics with file, line and column.
//
//   cgc [-profile P] [-entry NAME] [-o FILE] [-DNAME[=V]] [-I DIR] [-quiet] FILE
//
// It goes through the public Cg API only (cgCreateProgramFromFile and
// cgGetProgramString), so what it prints is exactly what a program gets.
// Exit status: 0 compiled, 1 on compile errors or a bad command line.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "Cg/cg.h"

namespace {

const char* const profileNames[] = {"glslv", "glslf", "arbvp1", "arbfp1", "vp20",    "fp20",
                                    "vp30",  "fp30",  "vp40",   "fp40",   "glslesv", "glslesf"};

void usage(FILE* out) {
    std::fprintf(out,
                 "usage: cgc [-profile P] [-entry NAME] [-o FILE] [-DNAME[=V]] [-I DIR] [-quiet] FILE\n"
                 "  -profile P   the profile to compile for (default glslf):");
    for (const char* name : profileNames)
        if (cgGetProfile(name) != CG_PROFILE_UNKNOWN) std::fprintf(out, " %s", name);
    std::fprintf(out,
                 "\n"
                 "               every profile gives the GLSL that the runtime loads; glslesv and\n"
                 "               glslesf give GLSL ES 3.00 (OpenGL ES 3.0, WebGL 2)\n"
                 "  -entry NAME  the entry function (default main)\n"
                 "  -o FILE      write the GLSL to FILE instead of standard output\n"
                 "  -DNAME[=V]   define a macro (-D NAME also works)\n"
                 "  -I DIR       search DIR for #include files (-IDIR also works)\n"
                 "  -quiet       print only the diagnostics, no summary\n"
                 "  -O0 .. -O3, -fastmath, -nofastmath, -fastprecision, -strict are accepted and change nothing\n");
}

struct Options {
    std::string profile = "glslf";
    std::string entry = "main";
    std::string output;
    std::string file;
    std::vector<std::string> compilerArgs;  // -D and -I, as the runtime takes them
    bool quiet = false;
};

bool isIgnoredOption(const std::string& a) {
    static const char* const ignored[] = {"-O0", "-O1", "-O2", "-O3", "-fastmath", "-nofastmath",
                                          "-fastprecision", "-strict", "-nostrict"};
    for (const char* o : ignored)
        if (a == o) return true;
    return false;
}

// False, with a message, when the command line is wrong.
bool parseArguments(int argc, char** argv, Options& o, bool& help) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "cgc: %s needs a value\n", a.c_str());
                return false;
            }
            into = argv[++i];
            return true;
        };
        std::string v;
        if (a == "-h" || a == "-help" || a == "--help") {
            help = true;
        } else if (a == "-profile") {
            if (!value(o.profile)) return false;
        } else if (a == "-entry") {
            if (!value(o.entry)) return false;
        } else if (a == "-o") {
            if (!value(o.output)) return false;
        } else if (a == "-quiet" || a == "-q") {
            o.quiet = true;
        } else if (a == "-D" || a == "-I") {
            if (!value(v)) return false;
            o.compilerArgs.push_back(a + v);
        } else if (a.size() > 2 && (a.compare(0, 2, "-D") == 0 || a.compare(0, 2, "-I") == 0)) {
            o.compilerArgs.push_back(a);
        } else if (isIgnoredOption(a)) {
        } else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "cgc: unknown option '%s'\n", a.c_str());
            return false;
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            std::fprintf(stderr, "cgc: only one source file, not '%s' too\n", a.c_str());
            return false;
        }
    }
    if (!help && o.file.empty()) {
        std::fprintf(stderr, "cgc: no source file given\n");
        return false;
    }
    return true;
}

int countOf(const std::string& listing, const char* what) {
    int n = 0;
    for (size_t at = listing.find(what); at != std::string::npos; at = listing.find(what, at + 1)) ++n;
    return n;
}

bool writeFile(const std::string& path, const char* text) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    size_t length = std::strlen(text);
    bool ok = std::fwrite(text, 1, length, f) == length;
    return std::fclose(f) == 0 && ok;
}

int compile(const Options& o) {
    CGprofile profile = cgGetProfile(o.profile.c_str());
    if (profile == CG_PROFILE_UNKNOWN) {
        std::fprintf(stderr, "cgc: unknown profile '%s'\n", o.profile.c_str());
        return 1;
    }
    std::vector<const char*> args;
    for (const std::string& a : o.compilerArgs) args.push_back(a.c_str());
    args.push_back(nullptr);

    CGcontext context = cgCreateContext();
    CGprogram program =
        cgCreateProgramFromFile(context, CG_SOURCE, o.file.c_str(), profile, o.entry.c_str(), args.data());
    CGerror error = cgGetError();
    const char* listing = cgGetLastListing(context);
    std::string diagnostics = listing ? listing : "";
    if (!diagnostics.empty()) std::fprintf(stderr, "%s\n", diagnostics.c_str());
    int status = 0;
    if (!program) {
        if (error == CG_FILE_READ_ERROR) std::fprintf(stderr, "cgc: cannot read '%s'\n", o.file.c_str());
        else if (diagnostics.empty()) std::fprintf(stderr, "cgc: %s\n", cgGetErrorString(error));
        status = 1;
    } else {
        const char* glsl = cgGetProgramString(program, CG_COMPILED_PROGRAM);
        if (o.output.empty()) {
            std::fputs(glsl, stdout);
        } else if (!writeFile(o.output, glsl)) {
            std::fprintf(stderr, "cgc: cannot write '%s'\n", o.output.c_str());
            status = 1;
        }
    }
    if (!o.quiet)
        std::fprintf(stderr, "%s: %d errors, %d warnings\n", o.file.c_str(), countOf(diagnostics, "): error: "),
                     countOf(diagnostics, "): warning: "));
    cgDestroyContext(context);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    bool help = false;
    if (!parseArguments(argc, argv, options, help)) {
        usage(stderr);
        return 1;
    }
    if (help) {
        usage(stdout);
        return 0;
    }
    return compile(options);
}
