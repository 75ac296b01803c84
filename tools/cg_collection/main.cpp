// cg_collection: compiles both entry points (main_vertex for arbvp1,
// main_fragment for arbfp1) of every .cg file under a folder, loads and
// links each pair on a hidden GL context, prints the counts and the first
// error of each failure grouped by kind, and exits 1 below a threshold.
//
//   cg_collection [--min-percent P] [--context gl|es] [--listings] [-DNAME[=V] ...] [FOLDER]
//
// -D defines a macro for every compile, as the collection's host may (the
// shader collections of emulator front ends are compiled with
// -DPARAMETER_UNIFORM, which turns their tunable constants into uniforms).
// --listings prints the whole listing of each failure, not only its first error.
//
// FOLDER may also be one .cg file. It defaults to $ZEPHRA_CG_COLLECTION, else to the collection beside
// the checkout. A folder that does not exist exits 77 (skipped) saying
// where it looked.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Cg/cg.h"
#include "Cg/cgGL.h"
#include "failure_kinds.h"
#include "gl_session.h"
#include "shader_pair.h"

namespace fs = std::filesystem;
using namespace cgcollection;

namespace {

constexpr int exitBelowThreshold = 1;
constexpr int exitUsage = 2;
constexpr int exitSkipped = 77;

struct Options {
    double minPercent = 0;
    ContextKind context = ContextKind::DesktopGL;
    bool listings = false;
    std::vector<std::string> defines;  // "-DNAME=V", passed to the compiler as they are
    std::string folder;
};

int usage(const char* message) {
    std::fprintf(stderr, "cg_collection: %s\nusage: cg_collection [--min-percent P] [--context gl|es] [--listings] [-DNAME[=V] ...] [FOLDER]\n",
                 message);
    return exitUsage;
}

// 0 on success, else the exit status.
int parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--min-percent" || arg == "--context") && i + 1 >= argc) return usage("missing value");
        if (arg == "--min-percent") {
            char* end = nullptr;
            options.minPercent = std::strtod(argv[++i], &end);
            if (*end || options.minPercent < 0 || options.minPercent > 100)
                return usage("--min-percent takes a number from 0 to 100");
        } else if (arg == "--context") {
            if (!parseContextKind(argv[++i], options.context)) return usage("unknown --context");
        } else if (arg == "--listings") {
            options.listings = true;
        } else if (arg.size() > 2 && arg.compare(0, 2, "-D") == 0) {
            options.defines.push_back(arg);
        } else if (!arg.empty() && arg[0] == '-') {
            return usage(("unknown option " + arg).c_str());
        } else if (options.folder.empty()) {
            options.folder = arg;
        } else {
            return usage("only one folder");
        }
    }
    if (options.folder.empty()) {
        const char* env = std::getenv("ZEPHRA_CG_COLLECTION");
        options.folder = env && *env ? env : CG_COLLECTION_DEFAULT;
    }
    return 0;
}

std::vector<fs::path> cgFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".cg") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

struct Failure {
    std::string file, stage, entry, error, listing;
};

void printFailures(const std::map<std::string, std::vector<Failure>>& byKind, bool listings) {
    std::vector<std::pair<std::string, const std::vector<Failure>*>> kinds;
    for (const auto& k : byKind) kinds.emplace_back(k.first, &k.second);
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const auto& a, const auto& b) { return a.second->size() > b.second->size(); });
    for (const auto& k : kinds) {
        std::printf("\n%zu x %s\n", k.second->size(), k.first.c_str());
        for (const Failure& f : *k.second)
            std::printf("  %s [%s%s%s]\n    %s\n", f.file.c_str(), f.stage.c_str(), f.entry.empty() ? "" : " ",
                        f.entry.c_str(), f.error.c_str());
        if (listings)
            for (const Failure& f : *k.second) std::printf("\n--- %s\n%s\n", f.file.c_str(), f.listing.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (int status = parseOptions(argc, argv, options)) return status;
    std::error_code ec;
    bool oneFile = fs::is_regular_file(options.folder, ec);
    if (!oneFile && !fs::is_directory(options.folder, ec)) {
        std::printf("cg_collection: SKIPPED: no collection folder at %s (set ZEPHRA_CG_COLLECTION or give a folder)\n",
                    options.folder.c_str());
        return exitSkipped;
    }
    std::vector<fs::path> files = oneFile ? std::vector<fs::path>{options.folder} : cgFiles(options.folder);
    if (files.empty()) {
        std::printf("cg_collection: SKIPPED: no .cg file under %s\n", options.folder.c_str());
        return exitSkipped;
    }
    std::string error;
    std::unique_ptr<GLSession> session = openSession(options.context, error);
    if (!session) {
        std::fprintf(stderr, "cg_collection: %s\n", error.c_str());
        return exitUsage;
    }
    CGcontext context = cgCreateContext();
    std::vector<const char*> compilerArgs;
    for (const std::string& d : options.defines) compilerArgs.push_back(d.c_str());
    compilerArgs.push_back(nullptr);
    std::map<std::string, std::vector<Failure>> byKind;
    size_t passed = 0;
    for (const fs::path& file : files) {
        PairResult r = compileLoadLink(context, file.string(), compilerArgs.data());
        if (r.ok()) {
            ++passed;
            continue;
        }
        std::string relative = oneFile ? file.generic_string() : fs::relative(file, options.folder, ec).generic_string();
        byKind[failureKind(r.firstError)].push_back({relative, stageName(r.failedAt), r.entry, r.firstError, r.listing});
    }
    cgDestroyContext(context);
    printFailures(byKind, options.listings);
    double percent = 100.0 * static_cast<double>(passed) / static_cast<double>(files.size());
    std::printf("\ncg_collection (%s context): %zu of %zu files compile, load and link (%.1f %%), %zu fail\n",
                contextKindName(options.context), passed, files.size(), percent, files.size() - passed);
    if (percent < options.minPercent) {
        std::printf("cg_collection: below the threshold of %.1f %%\n", options.minPercent);
        return exitBelowThreshold;
    }
    return 0;
}
