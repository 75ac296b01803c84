// The program API against OpenGL, read back from GL: parameter setting
// modes, managed textures, debug mode, the latest profiles, combined
// programs, matrix and double arrays, buffers.
#include <GL/gl.h>
#include <GL/glext.h>  // constants past OpenGL 1.1, which Windows' gl.h lacks

#include <string>

#include "gl_fixture.h"
#include "platform/gl_context.h"

using namespace cgtest;

namespace {

// The OpenGL 2.0 calls the checks read state with.
struct GLReadBack {
    PFNGLGETUNIFORMLOCATIONPROC getUniformLocation = nullptr;
    PFNGLGETUNIFORMFVPROC getUniformfv = nullptr;
    PFNGLACTIVETEXTUREPROC activeTexture = nullptr;
    PFNGLISBUFFERPROC isBuffer = nullptr;
    PFNGLGENBUFFERSPROC genBuffers = nullptr;
    PFNGLDELETEBUFFERSPROC deleteBuffers = nullptr;
    GLReadBack() {
        auto get = [](const char* name) { return Zephra::Platform::getGLProcAddress(name); };
        getUniformLocation = reinterpret_cast<PFNGLGETUNIFORMLOCATIONPROC>(get("glGetUniformLocation"));
        getUniformfv = reinterpret_cast<PFNGLGETUNIFORMFVPROC>(get("glGetUniformfv"));
        activeTexture = reinterpret_cast<PFNGLACTIVETEXTUREPROC>(get("glActiveTexture"));
        isBuffer = reinterpret_cast<PFNGLISBUFFERPROC>(get("glIsBuffer"));
        genBuffers = reinterpret_cast<PFNGLGENBUFFERSPROC>(get("glGenBuffers"));
        deleteBuffers = reinterpret_cast<PFNGLDELETEBUFFERSPROC>(get("glDeleteBuffers"));
    }
};

class CgProgramGL : public GLDrawing {
protected:
    // What the program in use holds for a uniform parameter, from GL itself.
    std::array<float, 16> uniform(CGparameter param) {
        std::array<float, 16> values{};
        GLint program = 0;
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        GLint location = gl.getUniformLocation(static_cast<GLuint>(program), cgGetParameterResourceName(param));
        EXPECT_GE(location, 0) << cgGetParameterResourceName(param);
        if (location >= 0) gl.getUniformfv(static_cast<GLuint>(program), location, values.data());
        return values;
    }
    GLuint boundTexture(int unit) {
        gl.activeTexture(GL_TEXTURE0 + static_cast<GLenum>(unit));
        GLint name = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        gl.activeTexture(GL_TEXTURE0);
        return static_cast<GLuint>(name);
    }
    // Expects exactly one error from the calls in `run`, and returns it.
    template <typename Run>
    CGerror errorOf(Run run) {
        cgSetErrorCallback(nullptr);
        cgGetError();
        run();
        CGerror e = cgGetError();
        EXPECT_EQ(cgGetError(), CG_NO_ERROR);
        return e;
    }
    GLReadBack gl;
};

const char* tintSource = "float4 tint; float4 main(): COLOR { return tint; }\n";
const char* twoTextureSource =
    "sampler2D a; sampler2D b;\n"
    "float4 main(float2 uv: TEXCOORD0): COLOR { return tex2D(a, uv) * 0.5 + tex2D(b, uv) * 0.5; }\n";

}  // namespace

TEST_F(CgProgramGL, ImmediateSettingSendsAtOnceDeferredWaitsForBindOrUpdate) {
    CGprogram f = program(tintSource, CG_PROFILE_ARBFP1, "main");
    CGparameter tint = cgGetNamedParameter(f, "tint");
    bind(passVertex, f);
    cgSetParameter4f(tint, 1, 0, 0, 1);
    EXPECT_EQ(uniform(tint)[0], 1.0f);
    expectPixel(drawAndRead(), 1, 0, 0, 1);

    cgSetParameterSettingMode(context, CG_DEFERRED_PARAMETER_SETTING);
    cgSetParameter4f(tint, 0, 1, 0, 1);
    EXPECT_EQ(uniform(tint)[0], 1.0f);  // kept back
    EXPECT_EQ(uniform(tint)[1], 0.0f);
    float kept[4] = {};
    cgGLGetParameter4f(tint, kept);
    EXPECT_EQ(kept[1], 1.0f);  // but the runtime has it
    cgUpdateProgramParameters(f);
    EXPECT_EQ(uniform(tint)[1], 1.0f);
    expectPixel(drawAndRead(), 0, 1, 0, 1);

    cgSetParameter4f(tint, 0, 0, 1, 1);
    EXPECT_EQ(uniform(tint)[2], 0.0f);
    cgGLBindProgram(f);
    EXPECT_EQ(uniform(tint)[2], 1.0f);

    // The mode is the context's: another context's programs still send at once.
    CGcontext other = cgCreateContext();
    CGprogram g = cgCreateProgram(other, CG_SOURCE, tintSource, CG_PROFILE_ARBFP1, "main", nullptr);
    cgGLLoadProgram(g);
    cgGLBindProgram(g);
    cgSetParameter4f(cgGetNamedParameter(g, "tint"), 1, 1, 0, 1);
    EXPECT_EQ(uniform(cgGetNamedParameter(g, "tint"))[1], 1.0f);
    cgDestroyContext(other);

    // Back to immediate: what was kept back goes out now.
    cgGLBindProgram(f);
    cgSetParameter4f(tint, 0.5f, 0, 0, 1);
    cgSetParameterSettingMode(context, CG_IMMEDIATE_PARAMETER_SETTING);
    EXPECT_EQ(uniform(tint)[0], 0.5f);
}

TEST_F(CgProgramGL, ManagedTexturesAreBoundWithTheProgramAndReleasedWithTheProfile) {
    CGprogram f = program(twoTextureSource, CG_PROFILE_ARBFP1, "main");
    CGparameter a = cgGetNamedParameter(f, "a");
    CGparameter b = cgGetNamedParameter(f, "b");
    unsigned red = texture(255, 0, 0, 255), blue = texture(0, 0, 255, 255);
    cgGLSetTextureParameter(a, red);
    cgGLSetTextureParameter(b, blue);
    int unitA = static_cast<int>(cgGLGetTextureEnum(a) - GL_TEXTURE0);
    int unitB = static_cast<int>(cgGLGetTextureEnum(b) - GL_TEXTURE0);
    EXPECT_NE(unitA, unitB);
    EXPECT_EQ(cgGetParameterResourceIndex(a), static_cast<unsigned long>(unitA));

    // Not managed: binding leaves the units alone.
    glBindTexture(GL_TEXTURE_2D, 0);
    bind(passVertex, f);
    EXPECT_EQ(boundTexture(unitB), 0u);

    cgGLSetManageTextureParameters(context, CG_TRUE);
    cgGLBindProgram(f);
    EXPECT_EQ(boundTexture(unitA), red);
    EXPECT_EQ(boundTexture(unitB), blue);
    expectPixel(drawAndRead(), 0.5f, 0, 0.5f, 1);

    cgGLDisableProfile(CG_PROFILE_ARBFP1);
    EXPECT_EQ(boundTexture(unitA), 0u);
    EXPECT_EQ(boundTexture(unitB), 0u);
    cgGLEnableProfile(CG_PROFILE_ARBFP1);
    cgGLBindProgram(f);
    EXPECT_EQ(boundTexture(unitA), red);
    cgGLUnbindProgram(CG_PROFILE_ARBFP1);
    EXPECT_EQ(boundTexture(unitA), 0u);
    GLuint names[] = {red, blue};
    glDeleteTextures(2, names);
}

TEST_F(CgProgramGL, DebugModeTurnsOpenGLErrorsIntoTheCallsErrors) {
    CGprogram f = program(tintSource, CG_PROFILE_ARBFP1, "main");
    glEnable(0x7FFF);  // an OpenGL error the runtime did not cause, but finds
    EXPECT_EQ(errorOf([&] { bind(passVertex, f); }), CG_NO_ERROR);  // off: not asked
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_INVALID_ENUM));

    cgGLSetDebugMode(CG_TRUE);
    glEnable(0x7FFF);
    EXPECT_EQ(errorOf([&] { cgGLBindProgram(f); }), CG_PROGRAM_BIND_ERROR);
    glEnable(0x7FFF);
    cgSetErrorCallback(nullptr);
    cgGLBindProgram(f);
    CGerror error = CG_NO_ERROR;
    const char* text = cgGetLastErrorString(&error);
    EXPECT_EQ(error, CG_PROGRAM_BIND_ERROR);
    ASSERT_NE(text, nullptr);
    EXPECT_NE(std::string(text).find("GL_INVALID_ENUM after cgGLBindProgram"), std::string::npos) << text;
    EXPECT_EQ(errorOf([&] { cgGLBindProgram(f); }), CG_NO_ERROR);  // nothing pending any more
    cgGLSetDebugMode(CG_FALSE);
}

TEST_F(CgProgramGL, TheLatestProfilesLoadAndDrawOnThisContext) {
    CGprofile vertex = cgGLGetLatestProfile(CG_GL_VERTEX);
    CGprofile fragment = cgGLGetLatestProfile(CG_GL_FRAGMENT);
    EXPECT_TRUE(cgGLIsProfileSupported(vertex));
    EXPECT_TRUE(cgGLIsProfileSupported(fragment));
    EXPECT_EQ(cgGLDetectGLSLVersion(), CG_GL_GLSL_120);
    cgGLSetOptimalOptions(vertex);
    cgGLEnableProfile(vertex);
    cgGLEnableProfile(fragment);
    CGprogram v = cgCreateProgram(context, CG_SOURCE,
                                  "float4 main(float4 p: POSITION, out float4 c: COLOR0): POSITION { c = float4(0,0,1,1); return p; }",
                                  vertex, "main", cgGLGetOptimalOptions(vertex));
    CGprogram f = program("float4 main(float4 c: COLOR0): COLOR { return c.bgra; }", fragment, "main");
    ASSERT_NE(v, nullptr);
    cgGLLoadProgram(v);
    bind(v, f);
    expectPixel(drawAndRead(), 1, 0, 0, 1);
}

TEST_F(CgProgramGL, CombinedProgramsBindLoadAndUnloadAsOne) {
    CGprogram f = program(tintSource, CG_PROFILE_ARBFP1, "main");
    CGprogram both = cgCombinePrograms2(passVertex, f);
    ASSERT_NE(both, nullptr);
    EXPECT_FALSE(cgGLIsProgramLoaded(both));
    cgGLEnableProgramProfiles(both);
    cgGLLoadProgram(both);
    EXPECT_TRUE(cgGLIsProgramLoaded(both));
    cgSetParameter4f(cgGetNamedParameter(both, "tint"), 0, 1, 1, 1);
    cgGLBindProgram(both);
    expectPixel(drawAndRead(), 0, 1, 1, 1);
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(cgGLGetProgramID(both), static_cast<unsigned>(current));
    EXPECT_NE(cgGLGetProgramID(f), 0u);  // a single program's shader object

    cgGLUnloadProgram(both);
    EXPECT_FALSE(cgGLIsProgramLoaded(both));
    EXPECT_EQ(errorOf([&] { cgGLBindProgram(both); }), CG_PROGRAM_NOT_LOADED_ERROR);
    cgSetErrorCallback(nullptr);
    cgGLLoadProgram(both);
    cgGLBindProgram(both);
    EXPECT_EQ(cgGetError(), CG_NO_ERROR);
    expectPixel(drawAndRead(), 0, 1, 1, 1);  // values survive the unload
}

TEST_F(CgProgramGL, MatrixArraysAndDoubleArraysReachTheUniforms) {
    const char* source =
        "float4x4 m[2]; float2 w[3];\n"
        "float4 main(): COLOR { return mul(m[1], float4(1,1,1,1)) * 0.25 + float4(w[2], 0, 0) * 0; }\n";
    CGprogram f = program(source, CG_PROFILE_ARBFP1, "main");
    CGparameter m = cgGetNamedParameter(f, "m");
    bind(passVertex, f);
    float rows[32] = {};
    for (int i = 0; i < 16; ++i) rows[16 + i] = (i % 5 == 0) ? 1.0f : 0.0f;  // m[1] = identity
    rows[16 + 3] = 2.0f;                                                   // row 0, column 3
    cgGLSetMatrixParameterArrayfr(m, 0, 0, rows);
    float columns[16] = {};
    cgGLGetMatrixParameterArrayfc(m, 1, 1, columns);
    EXPECT_EQ(columns[12], 2.0f);  // column 3, row 0
    std::array<float, 16> sent = uniform(cgGetArrayParameter(m, 1));
    // The generated code keeps Cg's matrices transposed: GL holds them row by row.
    for (int i = 0; i < 16; ++i) EXPECT_EQ(sent[static_cast<size_t>(i)], rows[16 + i]) << i;
    expectPixel(drawAndRead(), 0.75f, 0.25f, 0.25f, 0.25f);

    CGparameter w = cgGetNamedParameter(f, "w");
    const double pairs[] = {1, 2, 3, 4, 5, 6};
    cgGLSetParameterArray2d(w, 1, 2, pairs);
    double back[4] = {};
    cgGLGetParameterArray2d(w, 1, 0, back);
    EXPECT_EQ(back[0], 1.0);
    EXPECT_EQ(back[3], 4.0);
    EXPECT_EQ(errorOf([&] { cgGLSetParameterArray2d(w, 2, 2, pairs); }), CG_OUT_OF_ARRAY_BOUNDS_ERROR);
    EXPECT_EQ(errorOf([&] { cgGLSetMatrixParameterArrayfr(w, 0, 1, rows); }), CG_NOT_MATRIX_PARAM_ERROR);
}

TEST_F(CgProgramGL, BuffersAreOpenGLBufferObjects) {
    const unsigned char data[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    CGbuffer buffer = cgCreateBuffer(context, 8, data, CG_BUFFER_USAGE_STATIC_DRAW);
    ASSERT_NE(buffer, nullptr);
    EXPECT_TRUE(cgIsBuffer(buffer));
    EXPECT_EQ(cgGetBufferSize(buffer), 8);
    GLuint object = cgGLGetBufferObject(buffer);
    EXPECT_TRUE(gl.isBuffer(object));
    const unsigned char patch[2] = {9, 9};
    cgSetBufferSubData(buffer, 6, 2, patch);
    auto* mapped = static_cast<const unsigned char*>(cgMapBuffer(buffer, CG_MAP_READ));
    ASSERT_NE(mapped, nullptr);
    EXPECT_EQ(mapped[0], 1);
    EXPECT_EQ(mapped[7], 9);
    EXPECT_EQ(errorOf([&] { cgMapBuffer(buffer, CG_MAP_READ); }), CG_BUFFER_ALREADY_MAPPED_ERROR);
    EXPECT_EQ(errorOf([&] { cgSetBufferSubData(buffer, 0, 1, patch); }), CG_BUFFER_UPDATE_NOT_ALLOWED_ERROR);
    cgUnmapBuffer(buffer);
    EXPECT_EQ(errorOf([&] { cgSetBufferSubData(buffer, 7, 2, patch); }), CG_BUFFER_INDEX_OUT_OF_RANGE_ERROR);
    cgSetErrorCallback(nullptr);
    cgDestroyBuffer(buffer);
    EXPECT_FALSE(cgIsBuffer(buffer));
    EXPECT_FALSE(gl.isBuffer(object));

    // An object the application keeps stays alive when its buffer goes.
    GLuint own = 0;
    gl.genBuffers(1, &own);
    CGbuffer wrapped = cgGLCreateBufferFromObject(context, own, CG_FALSE);
    EXPECT_EQ(cgGLGetBufferObject(wrapped), own);
    cgDestroyBuffer(wrapped);
    EXPECT_TRUE(gl.isBuffer(own));
    gl.deleteBuffers(1, &own);
    CGbuffer made = cgGLCreateBuffer(context, 16, nullptr, GL_DYNAMIC_DRAW);
    EXPECT_EQ(cgGetBufferSize(made), 16);
    EXPECT_EQ(cgGetError(), CG_NO_ERROR);
}
