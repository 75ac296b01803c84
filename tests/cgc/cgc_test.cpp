// The command-line compiler as its users run it: a file in, GLSL or a listing
// with file, line and column out, and an exit status a script can trust.
#include <gtest/gtest.h>

#include <array>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "../utils/temp_dir.h"

namespace {

struct CgcRun {
    int status = -1;
    std::string output;  // standard output and standard error together
};

CgcRun cgc(const std::string& arguments) {
    CgcRun run;
    std::string command = std::string(ZEPHRA_BINARY_DIR) + "/tools/cgc/cgc " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buffer;
    size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.output.append(buffer.data(), n);
    int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const char* shader =
    "#include \"tint.inc\"\n"
    "struct out_vertex { float4 position : POSITION; float2 uv : TEXCOORD0; };\n"
    "out_vertex main_vertex(float4 position : POSITION, float2 uv : TEXCOORD0,\n"
    "                       uniform float4x4 modelViewProj) {\n"
    "    out_vertex o;\n"
    "    o.position = mul(modelViewProj, position);\n"
    "    o.uv = uv;\n"
    "    return o;\n"
    "}\n"
    "float4 main_fragment(float2 uv : TEXCOORD0, uniform sampler2D picture) : COLOR {\n"
    "    return tint(tex2D(picture, uv)) * SCALE;\n"
    "}\n";

}  // namespace

TEST(Cgc, CompilesEachEntryToGlslOnStandardOutputOrIntoAFile) {
    TempDir dir;
    std::filesystem::create_directories(dir.path() / "inc");
    dir.write("inc/tint.inc", "float4 tint(float4 c) { return c.bgra; }\n");
    std::string file = dir.write("s.cg", shader);

    CgcRun fragment = cgc("-profile arbfp1 -entry main_fragment -DSCALE=0.5 -I " + dir.file("inc") + " -quiet " + file);
    EXPECT_EQ(fragment.status, 0) << fragment.output;
    EXPECT_TRUE(contains(fragment.output, "#version")) << fragment.output;
    EXPECT_TRUE(contains(fragment.output, "0.5")) << fragment.output;
    EXPECT_FALSE(contains(fragment.output, "errors")) << "-quiet prints no summary";

    CgcRun vertex = cgc("-profile glslv -entry main_vertex -D SCALE -I" + dir.file("inc") + " -o " + dir.file("v.glsl") +
                     " " + file);
    EXPECT_EQ(vertex.status, 0) << vertex.output;
    EXPECT_TRUE(contains(vertex.output, "0 errors, 0 warnings")) << vertex.output;
    EXPECT_TRUE(contains(readAll(dir.file("v.glsl")), "gl_Position")) << "-o holds the program";
}

TEST(Cgc, ErrorsAndWarningsNameFileLineAndColumnAndFailTheRun) {
    TempDir dir;
    std::string bad = dir.write("bad.cg", "float4 main() : COLOR {\n    float3 v = 1;\n    return v.w;\n}\n");
    CgcRun run = cgc("-profile glslf -o " + dir.file("out.glsl") + " " + bad);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(contains(run.output, bad + "(3,13): error: 'w' is not a valid swizzle")) << run.output;
    EXPECT_TRUE(contains(run.output, "1 errors, 0 warnings")) << run.output;
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.glsl"))) << "a failed compile writes no output";

    std::string warn = dir.write("warn.cg", "float4 main(float4 c : COLOR0) : COLOR {\n    float3 v = c;\n    return v.xyzz;\n}\n");
    CgcRun warned = cgc("-profile fp40 " + warn);
    EXPECT_EQ(warned.status, 0) << warned.output;
    EXPECT_TRUE(contains(warned.output, warn + "(2,16): warning: implicit truncation")) << warned.output;
}

TEST(Cgc, ABadCommandLineSaysWhatIsWrong) {
    TempDir dir;
    std::string file = dir.write("s.cg", "float4 main() : COLOR { return 1; }\n");
    EXPECT_EQ(cgc("").status, 1);
    CgcRun profile = cgc("-profile ps_9_9 " + file);
    EXPECT_EQ(profile.status, 1);
    EXPECT_TRUE(contains(profile.output, "unknown profile 'ps_9_9'")) << profile.output;
    CgcRun option = cgc("-frobnicate " + file);
    EXPECT_EQ(option.status, 1);
    EXPECT_TRUE(contains(option.output, "unknown option '-frobnicate'")) << option.output;
    CgcRun missing = cgc(dir.file("nothing.cg"));
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(contains(missing.output, "cannot read")) << missing.output;
    EXPECT_EQ(cgc("-h").status, 0);
    EXPECT_EQ(cgc("-O3 -fastmath " + file).status, 0);
}
