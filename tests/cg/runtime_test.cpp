// The C interface without drawing: errors, callbacks, listings, parameters.
#include <gtest/gtest.h>

#include <string>

#include "Cg/cg.h"
#include "Cg/cgGL.h"
#include "cg_context_fixture.h"
#include "cg_test_sources.h"

namespace {

struct CompileFailure {
    std::string message;
};
CGcontext throwingContext = nullptr;
void throwingCallback() {
    CGerror e = cgGetError();
    const char* listing = cgGetLastListing(throwingContext);
    throw CompileFailure{std::string(cgGetErrorString(e)) + "\n" + (listing ? listing : "")};
}

class CgRuntime : public CgContextTest {};

}  // namespace

TEST_F(CgRuntime, CompileErrorsGiveNullOneCallbackAndAListing) {
    const char* syntax = "float4 main(): COLOR {\n  return 1\n}\n";
    EXPECT_EQ(cgCreateProgram(context, CG_SOURCE, syntax, CG_PROFILE_ARBFP1, "main", nullptr), nullptr);
    EXPECT_EQ(callbackCalls, 1);
    ASSERT_NE(cgGetLastListing(context), nullptr);
    EXPECT_EQ(std::string(cgGetLastListing(context)).rfind("(3,1): error: ", 0), 0u) << cgGetLastListing(context);
    EXPECT_EQ(cgGetError(), CG_COMPILER_ERROR);
    EXPECT_EQ(cgGetError(), CG_NO_ERROR);

    const char* type = "float4 main(): COLOR {\n  float3 v = 1;\n  return v.w;\n}\n";
    EXPECT_EQ(cgCreateProgram(context, CG_SOURCE, type, CG_PROFILE_ARBFP1, "main", nullptr), nullptr);
    EXPECT_EQ(callbackCalls, 2);
    EXPECT_EQ(std::string(cgGetLastListing(context)).rfind("(3,11): error: 'w' is not a valid swizzle", 0), 0u) << cgGetLastListing(context);
    EXPECT_EQ(cgGetError(), CG_COMPILER_ERROR);
    EXPECT_EQ(cgGetError(), CG_NO_ERROR);

    // A clean compile leaves no listing behind.
    CGprogram ok = cgCreateProgram(context, CG_SOURCE, cgtest::deviceSource, CG_PROFILE_ARBVP1, "vsMain", nullptr);
    EXPECT_NE(ok, nullptr);
    EXPECT_EQ(cgGetLastListing(context), nullptr);
    EXPECT_EQ(callbackCalls, 2);
}

TEST_F(CgRuntime, ACallbackThatThrowsLeavesTheRuntimeUsable) {
    throwingContext = context;
    cgSetErrorCallback(throwingCallback);
    try {
        cgCreateProgram(context, CG_SOURCE, "float4 main(): COLOR { return }", CG_PROFILE_ARBFP1, "main", nullptr);
        FAIL() << "no exception";
    } catch (const CompileFailure& f) {
        EXPECT_NE(f.message.find("(1,31): error: "), std::string::npos) << f.message;
    }
    EXPECT_THROW(cgGLEnableProfile(static_cast<CGprofile>(1234)), CompileFailure);
    EXPECT_THROW(cgGLBindProgram(nullptr), CompileFailure);
    CGprogram p = cgCreateProgram(context, CG_SOURCE, cgtest::deviceSource, CG_PROFILE_ARBFP1, "psMain", nullptr);
    EXPECT_NE(p, nullptr);
    EXPECT_EQ(cgGetError(), CG_NO_ERROR);
}

TEST_F(CgRuntime, ParametersByNameKeepTheirValues) {
    const char* source =
        "struct Info { float2 video_size; float4x4 m; };\n"
        "float4 color = {0.5, 0.25, 1, 1};\n"
        "float2 small;\n"
        "sampler2D first; sampler2D second;\n"
        "float4 main(uniform Info IN, float2 uv: TEXCOORD0): COLOR {\n"
        "  return color * tex2D(first, uv) * tex2D(second, uv) + mul(IN.m, float4(IN.video_size, small));\n"
        "}\n";
    CGprogram p = cgCreateProgram(context, CG_SOURCE, source, CG_PROFILE_ARBFP1, "main", nullptr);
    ASSERT_NE(p, nullptr) << cgGetLastListing(context);
    EXPECT_EQ(cgGetNamedParameter(p, "nothing"), nullptr);
    EXPECT_EQ(callbackCalls, 0);

    CGparameter color = cgGetNamedParameter(p, "color");
    ASSERT_NE(color, nullptr);
    float v[4] = {};
    EXPECT_EQ(cgGetParameterValuefr(color, 4, v), 4);
    EXPECT_EQ(v[1], 0.25f);  // the declared default
    const float set[4] = {1, 2, 3, 4};
    cgSetParameter4fv(color, set);
    EXPECT_EQ(cgGetParameterValuefr(color, 4, v), 4);
    EXPECT_EQ(v[3], 4.0f);

    CGparameter small = cgGetNamedParameter(p, "small");
    cgSetParameter4fv(small, set);
    EXPECT_EQ(cgGetParameterValuefr(small, 4, v), 2);

    CGparameter m = cgGetNamedParameter(p, "IN.m");
    ASSERT_NE(m, nullptr);
    ASSERT_NE(cgGetNamedParameter(p, "IN.video_size"), nullptr);
    float columns[16], back[16];
    for (int i = 0; i < 16; ++i) columns[i] = static_cast<float>(i);
    cgGLSetMatrixParameterfc(m, columns);
    cgGLGetMatrixParameterfc(m, back);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(back[i], columns[i]);
    float rows[16];
    EXPECT_EQ(cgGetParameterValuefr(m, 16, rows), 16);
    EXPECT_EQ(rows[1], 4.0f);  // row 0, column 1 sits at column-major index 4

    EXPECT_EQ(callbackCalls, 0);
    cgGLSetMatrixParameterfc(color, columns);
    EXPECT_EQ(callbackCalls, 1);
    EXPECT_EQ(cgGetError(), CG_NOT_MATRIX_PARAM_ERROR);
    cgGLSetTextureParameter(color, 3);
    EXPECT_EQ(cgGetError(), CG_INVALID_PARAMETER_TYPE_ERROR);
    cgDestroyProgram(p);
    cgSetParameter4fv(color, set);  // the handle died with its program
    EXPECT_EQ(cgGetError(), CG_INVALID_PARAM_HANDLE_ERROR);
}

TEST_F(CgRuntime, ProgramStringsAndBadArguments) {
    CGprogram p = cgCreateProgram(context, CG_SOURCE, cgtest::overlayFragmentSource, CG_PROFILE_ARBFP1, "psMain", nullptr);
    ASSERT_NE(p, nullptr);
    EXPECT_NE(std::string(cgGetProgramString(p, CG_COMPILED_PROGRAM)).find("#version 120"), std::string::npos);
    EXPECT_STREQ(cgGetProgramString(p, CG_PROGRAM_ENTRY), "psMain");
    EXPECT_EQ(cgCreateProgram(context, CG_SOURCE, cgtest::deviceSource, CG_PROFILE_UNKNOWN, "psMain", nullptr), nullptr);
    EXPECT_EQ(cgGetError(), CG_INVALID_PROFILE_ERROR);
    EXPECT_EQ(cgCreateProgram(nullptr, CG_SOURCE, cgtest::deviceSource, CG_PROFILE_ARBFP1, "psMain", nullptr), nullptr);
    EXPECT_EQ(cgGetError(), CG_INVALID_CONTEXT_HANDLE_ERROR);
    cgGLBindProgram(p);  // not loaded
    EXPECT_EQ(cgGetError(), CG_PROGRAM_NOT_LOADED_ERROR);
    cgGLDisableProfile(static_cast<CGprofile>(0));
    EXPECT_EQ(cgGetError(), CG_INVALID_PROFILE_ERROR);
    EXPECT_EQ(callbackCalls, 4);
}
