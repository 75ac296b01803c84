// Prints the compile time of the engine's Cg sources and of a 200-line
// shader, and the cost of binding an already linked vertex/fragment pair.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Cg/cg.h"
#include "Cg/cgGL.h"

#ifdef CG_BENCH_WITH_GL
#include "platform/gl_context.h"
#include "platform/window.h"
#endif

namespace {

const char* deviceSource =
    "float4 vsMain(in float4 p: POSITION): POSITION { return p; } "
    "float4 psMain(): COLOR { return float4(1,1,1,1); }";
const char* overlayVertex =
    "struct VSOut { float4 pos: POSITION; float2 tc: TEXCOORD; }; "
    "VSOut vsMain(float4 pos: POSITION, float2 tc: TEXCOORD) { VSOut OUT; OUT.pos = pos; OUT.tc = tc; return OUT; }";
const char* overlayFragment = "sampler2D tex; float4 psMain(float2 tc: TEXCOORD): COLOR { return tex2D(tex, tc); }";

// A fragment program of about 200 lines: helpers, loops, matrices, lookups.
std::string longShader() {
    std::string s = "#define SCALE(x) ((x) * 0.5)\nsampler2D base; float4 tint; float4x4 M;\n";
    for (int i = 0; i < 24; ++i) {
        std::string n = std::to_string(i);
        s += "float4 step" + n + "(float4 v, float2 uv)\n{\n";
        s += "    float4 t = tex2D(base, uv + " + n + ".0 / 64);\n";
        s += "    v.xy += SCALE(t.zw) * frac(v.yx);\n";
        s += "    for (int k = 0; k < 2; k++) { v = lerp(v, mul(M, t), 0.25); }\n";
        s += "    return saturate(v * tint + fmod(v, 0.75));\n}\n";
    }
    s += "float4 psMain(float2 uv: TEXCOORD0, float4 c: COLOR0): COLOR\n{\n    float4 v = c;\n";
    for (int i = 0; i < 24; ++i) s += "    v = step" + std::to_string(i) + "(v, uv);\n";
    s += "    return v;\n}\n";
    return s;
}

// About `bytes` of helper functions like the long shader's, one macro among them.
std::string largeSource(size_t bytes) {
    std::string s = "#define SCALE(x) ((x) * 0.5)\nsampler2D base; float4 tint; float4x4 M;\n";
    for (int i = 0; s.size() < bytes; ++i) {
        std::string n = std::to_string(i);
        s += "float4 step" + n + "(float4 v, float2 uv)\n{\n    float4 t = tex2D(base, uv + " + n + ".0 / 64);\n";
        s += "    v.xy += SCALE(t.zw) * frac(v.yx);\n    return saturate(v * tint + fmod(v, 0.75));\n}\n";
    }
    return s + "float4 psMain(float2 uv: TEXCOORD0, float4 c: COLOR0): COLOR { return step0(c, uv); }\n";
}

// One compile of a large source, in milliseconds, with whether it compiled.
void benchLargeSource(CGcontext context, const char* label, const std::string& source) {
    auto start = std::chrono::steady_clock::now();
    CGprogram p = cgCreateProgram(context, CG_SOURCE, source.c_str(), CG_PROFILE_ARBFP1, "psMain", nullptr);
    double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("compile %-32s once   %8.1f ms (%s)\n", label, ms, p ? "compiled" : "rejected");
    cgDestroyProgram(p);
}

double medianMicroseconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void benchCompile(CGcontext context, const char* label, const std::string& source, CGprofile profile, const char* entry) {
    double us = medianMicroseconds(200, [&] {
        CGprogram p = cgCreateProgram(context, CG_SOURCE, source.c_str(), profile, entry, nullptr);
        if (!p) std::printf("  compile failed: %s\n", cgGetLastListing(context));
        cgDestroyProgram(p);
    });
    std::printf("compile %-32s median %8.1f us\n", label, us);
}

}  // namespace

int main() {
    CGcontext context = cgCreateContext();
    std::string big = longShader();
    std::printf("bench_cg: medians of 200 runs (long shader: %ld lines)\n",
                static_cast<long>(std::count(big.begin(), big.end(), '\n')));
    benchCompile(context, "device source, vertex", deviceSource, CG_PROFILE_ARBVP1, "vsMain");
    benchCompile(context, "device source, fragment", deviceSource, CG_PROFILE_ARBFP1, "psMain");
    benchCompile(context, "overlay vertex source", overlayVertex, CG_PROFILE_ARBVP1, "vsMain");
    benchCompile(context, "overlay fragment source", overlayFragment, CG_PROFILE_ARBFP1, "psMain");
    benchCompile(context, "200-line fragment shader", big, CG_PROFILE_ARBFP1, "psMain");
    // Growth with the source: 1 MB and 10 MB of functions, and 10 MB of "(",
    // which the parser rejects at its first token.
    benchLargeSource(context, "1 MB of functions", largeSource(1 << 20));
    benchLargeSource(context, "10 MB of functions", largeSource(10 << 20));
    benchLargeSource(context, "10 MB of '('", std::string(10 << 20, '('));
#ifdef CG_BENCH_WITH_GL
    Zephra::Window window(64, 64, false);
    Zephra::Platform::GLContext* gl = Zephra::Platform::createGLContext(window, 24, 8, 0, false);
    Zephra::Platform::makeCurrent(window, gl);
    cgGLEnableProfile(CG_PROFILE_ARBVP1);
    cgGLEnableProfile(CG_PROFILE_ARBFP1);
    CGprogram v = cgCreateProgram(context, CG_SOURCE, overlayVertex, CG_PROFILE_ARBVP1, "vsMain", nullptr);
    CGprogram f = cgCreateProgram(context, CG_SOURCE, overlayFragment, CG_PROFILE_ARBFP1, "psMain", nullptr);
    cgGLLoadProgram(v);
    cgGLLoadProgram(f);
    cgGLBindProgram(v);
    cgGLBindProgram(f);  // links once here
    double bind = medianMicroseconds(5000, [&] {
        cgGLBindProgram(v);
        cgGLBindProgram(f);
    });
    std::printf("bind of a linked pair (two cgGLBindProgram calls)   median %8.2f us\n", bind);
    // For scale: the first bind of a new pair, which links it.
    std::vector<CGprogram> fresh;
    for (int i = 0; i < 20; ++i) {
        fresh.push_back(cgCreateProgram(context, CG_SOURCE, overlayFragment, CG_PROFILE_ARBFP1, "psMain", nullptr));
        cgGLLoadProgram(fresh.back());
    }
    size_t next = 0;
    double first = medianMicroseconds(20, [&] {
        cgGLBindProgram(v);
        cgGLBindProgram(fresh[next++]);
    });
    std::printf("first bind of a new pair (links it)                 median %8.1f us (%.0fx a re-bind)\n", first,
                first / bind);
    Zephra::Platform::destroyGLContext(gl);
#else
    std::printf("bind of a linked pair: skipped, no platform layer in this build\n");
#endif
    return 0;
}
