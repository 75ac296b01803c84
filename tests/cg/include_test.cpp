// #include: files on disk next to the includer and in -I folders, the
// context's own include files and callback, guards, #pragma once, cycles,
// and listings that name the file of each diagnostic.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "../utils/temp_dir.h"
#include "Cg/cg.h"
#include "driver/compile.h"

namespace {

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class CgInclude : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::make_unique<TempDir>();
        dir = folder->path().generic_string();
        std::filesystem::create_directory(folder->path() / "lib");
        std::filesystem::create_directory(folder->path() / "shaders");
        context = cgCreateContext();
        cgSetErrorCallback(nullptr);
    }
    void TearDown() override { cgDestroyContext(context); }
    void write(const std::string& name, const std::string& text) {
        std::FILE* f = std::fopen((dir + "/" + name).c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    cgc::CompileOutput compileFile(const std::string& name, std::vector<std::string> args = {}) {
        cgc::SourceInfo info;
        info.path = dir + "/" + name;
        std::FILE* f = std::fopen(info.path.c_str(), "rb");
        std::string text;
        char buffer[4096];
        size_t n;
        while (f && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
        if (f) std::fclose(f);
        return cgc::compileProgram(text, cgc::Stage::Fragment, "main", args, info);
    }
    std::unique_ptr<TempDir> folder;
    std::string dir;
    CGcontext context = nullptr;
};

const char* const guardedHelpers =
    "#ifndef HELPERS_INC\n#define HELPERS_INC\n"
    "float3 toLinear(float3 c) { return c * c; }\n"
    "#endif\n";

}  // namespace

TEST_F(CgInclude, RelativeToTheIncluderThenMinusIFoldersWithGuardsAndOnce) {
    write("shaders/helpers.inc", guardedHelpers);
    write("shaders/once.inc", "#pragma once\nstatic const float half_ = 0.5;\n");
    write("lib/lib.inc", "#include \"../shaders/once.inc\"\nfloat scale(float x) { return x * half_; }\n");
    write("shaders/main.cg",
          "#include \"helpers.inc\"\n#include \"helpers.inc\"\n#include \"once.inc\"\n#include <lib.inc>\n"
          "float4 main(float4 c: COLOR0): COLOR { return float4(toLinear(c.rgb), scale(c.a)); }\n");
    cgc::CompileOutput out = compileFile("shaders/main.cg", {"-I", dir + "/lib"});
    ASSERT_TRUE(out.ok) << out.listing;
    EXPECT_TRUE(contains(out.glsl, "f_toLinear"));
    // Without the -I folder the angle-bracket include is not found, and the
    // listing names the including file and line.
    cgc::CompileOutput missing = compileFile("shaders/main.cg");
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(contains(missing.listing, dir + "/shaders/main.cg(4,2): error: cannot open include file 'lib.inc'"))
        << missing.listing;
    cgc::CompileOutput glued = compileFile("shaders/main.cg", {"-I" + dir + "/lib"});
    EXPECT_TRUE(glued.ok) << glued.listing;
}

TEST_F(CgInclude, DiagnosticsNameTheFileAndLineThroughIncludes) {
    write("shaders/bad.inc", "float ok(float x) { return x; }\n\nfloat broken(float x) { return x.yz; }\n");
    write("shaders/warn.inc", "#warning careful\n");
    write("shaders/main.cg",
          "#include \"warn.inc\"\n#include \"bad.inc\"\nfloat4 main(): COLOR { return undefinedName; }\n");
    cgc::CompileOutput out = compileFile("shaders/main.cg");
    EXPECT_FALSE(out.ok);
    EXPECT_TRUE(contains(out.listing, dir + "/shaders/warn.inc(1,2): warning: #warning careful")) << out.listing;
    EXPECT_TRUE(contains(out.listing, dir + "/shaders/bad.inc(3,33): error: 'yz' is not a valid swizzle")) << out.listing;
    EXPECT_TRUE(contains(out.listing, dir + "/shaders/main.cg(3,31): error: 'undefinedName' is not declared")) << out.listing;
    // A syntax error inside an include stops the compile at its own line.
    write("shaders/syntax.inc", "\n\nfloat f( {\n");
    write("shaders/s.cg", "// first\n#include \"syntax.inc\"\n");
    EXPECT_TRUE(contains(compileFile("shaders/s.cg").listing, dir + "/shaders/syntax.inc(3,10): error:"));
    // #line renumbers and renames what follows.
    write("shaders/l.cg", "#line 100 \"virtual.cg\"\nfloat4 main(): COLOR { return x; }\n");
    EXPECT_TRUE(contains(compileFile("shaders/l.cg").listing, "virtual.cg(100,31): error: 'x' is not declared"));
}

TEST_F(CgInclude, CyclesEndAtTheDepthLimitAndNamesAreChecked) {
    write("shaders/a.inc", "#include \"b.inc\"\n");
    write("shaders/b.inc", "\n#include \"a.inc\"\n");
    write("shaders/main.cg", "#include \"a.inc\"\nfloat4 main(): COLOR { return 1; }\n");
    cgc::CompileOutput out = compileFile("shaders/main.cg");
    EXPECT_FALSE(out.ok);
    EXPECT_TRUE(contains(out.listing, "#include is nested more than 32 deep: does 'a.inc' include itself?")) << out.listing;
    EXPECT_TRUE(contains(out.listing, "b.inc(2,2): error:")) << out.listing;

    // Each file including the next twice would read 2^20 files.
    for (int i = 0; i < 20; ++i) {
        std::string next = "\"f" + std::to_string(i + 1) + ".inc\"";
        write("shaders/f" + std::to_string(i) + ".inc", i == 19 ? "\n" : "#include " + next + "\n#include " + next + "\n");
    }
    write("shaders/bomb.cg", "#include \"f0.inc\"\n");
    EXPECT_TRUE(contains(compileFile("shaders/bomb.cg").listing, "the #include files are too many or too large"));

    write("shaders/n.cg", "#include nothing\n#include \"\"\n#include \"shaders\"\n");
    cgc::CompileOutput bad = compileFile("shaders/n.cg");
    EXPECT_TRUE(contains(bad.listing, "(1,2): error: #include needs a file name")) << bad.listing;
    EXPECT_TRUE(contains(bad.listing, "(2,2): error: cannot open include file ''")) << bad.listing;
    // A folder is no file.
    write("shaders/d.cg", "#include \"../shaders\"\n");
    EXPECT_TRUE(contains(compileFile("shaders/d.cg").listing, "cannot open include file '../shaders'"));
    // A macro may name the file.
    write("shaders/m.cg", "#define FILE \"helpers.inc\"\n#include FILE\nfloat4 main(): COLOR { return toLinear(1).xyzz; }\n");
    write("shaders/helpers.inc", guardedHelpers);
    EXPECT_TRUE(compileFile("shaders/m.cg").ok);
}

namespace {
int callbackCalls = 0;
void provideOnDemand(CGcontext context, const char* name) {
    ++callbackCalls;
    if (std::string(name) == "generated.inc") cgSetCompilerIncludeString(context, name, "float gen() { return 0.5; }\n");
}
}  // namespace

TEST_F(CgInclude, ContextFilesCallbackAndProgramsFromFiles) {
    cgSetCompilerIncludeString(context, "colors.inc", "float3 red() { return float3(1, 0, 0); }\n");
    write("shaders/disk.inc", "float three() { return 3; }\n");
    cgSetCompilerIncludeFile(context, "shared/disk.inc", (dir + "/shaders/disk.inc").c_str());
    EXPECT_EQ(cgGetError(), CG_NO_ERROR);
    cgSetCompilerIncludeFile(context, "gone.inc", (dir + "/nowhere.inc").c_str());
    EXPECT_EQ(cgGetError(), CG_FILE_READ_ERROR);
    cgSetCompilerIncludeCallback(context, provideOnDemand);
    EXPECT_EQ(cgGetCompilerIncludeCallback(context), provideOnDemand);

    const char* source =
        "#include \"colors.inc\"\n#include \"shared/disk.inc\"\n#include \"generated.inc\"\n"
        "float4 main(): COLOR { return float4(red() * gen(), three()); }\n";
    callbackCalls = 0;
    CGprogram p = cgCreateProgram(context, CG_SOURCE, source, CG_PROFILE_ARBFP1, "main", nullptr);
    EXPECT_NE(p, nullptr) << cgGetLastListing(context);
    EXPECT_EQ(callbackCalls, 1);  // only for the file the context did not hold

    cgSetCompilerIncludeString(context, "colors.inc", nullptr);  // removed again
    EXPECT_EQ(cgCreateProgram(context, CG_SOURCE, source, CG_PROFILE_ARBFP1, "main", nullptr), nullptr);
    EXPECT_TRUE(contains(cgGetLastListing(context), "(1,2): error: cannot open include file 'colors.inc'"));
    EXPECT_EQ(cgGetError(), CG_COMPILER_ERROR);

    write("shaders/prog.cg", "#include \"disk.inc\"\nfloat4 main(): COLOR { return three(); }\n");
    CGprogram fromFile = cgCreateProgramFromFile(context, CG_SOURCE, (dir + "/shaders/prog.cg").c_str(),
                                                 CG_PROFILE_ARBFP1, "main", nullptr);
    EXPECT_NE(fromFile, nullptr) << cgGetLastListing(context);
    EXPECT_STREQ(cgGetProgramString(fromFile, CG_PROGRAM_ENTRY), "main");
    EXPECT_EQ(cgCreateProgramFromFile(context, CG_SOURCE, (dir + "/none.cg").c_str(), CG_PROFILE_ARBFP1, "main", nullptr),
              nullptr);
    EXPECT_EQ(cgGetError(), CG_FILE_READ_ERROR);
    EXPECT_EQ(cgCreateProgramFromFile(context, CG_SOURCE, nullptr, CG_PROFILE_ARBFP1, "main", nullptr), nullptr);
    EXPECT_EQ(cgGetError(), CG_INVALID_PARAMETER_ERROR);
    cgSetCompilerIncludeCallback(nullptr, provideOnDemand);
    EXPECT_EQ(cgGetError(), CG_INVALID_CONTEXT_HANDLE_ERROR);
}
