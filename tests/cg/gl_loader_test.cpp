// How the runtime finds OpenGL when its host hands it a loader: through that
// loader only, asked afresh for every new context. No GL context is needed:
// every loader here lacks something, so nothing is ever called through it.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "Cg/cg.h"
#include "Cg/cgGL.h"
#include "cg_test_sources.h"

namespace {

std::multiset<std::string> asked;
std::string missing;
int fakeFunction = 0;

// Hands out a harmless address for every name except `missing`.
void* fakeLoader(const char* name) {
    asked.insert(name);
    return name == missing ? nullptr : &fakeFunction;
}

class CgGLLoader : public ::testing::Test {
protected:
    void SetUp() override {
        asked.clear();
        context = cgCreateContext();
        program = cgCreateProgram(context, CG_SOURCE, cgtest::deviceSource, CG_PROFILE_ARBVP1, "vsMain",
                                  nullptr);
        ASSERT_NE(program, nullptr);
        cgGetError();
    }
    void TearDown() override {
        cgGLSetProcAddressResolver(nullptr);
        cgDestroyContext(context);
    }
    CGcontext context = nullptr;
    CGprogram program = nullptr;
};

}  // namespace

// No loader and no current context: the platform's loader has nothing to
// give either.
TEST_F(CgGLLoader, WithoutAContextLoadingFailsCleanly) {
    cgGLSetProcAddressResolver(nullptr);
    cgGLLoadProgram(program);
    EXPECT_EQ(cgGetError(), CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    EXPECT_NE(cgGetProgramString(program, CG_COMPILED_PROGRAM), nullptr);
}

// glBindTexture is OpenGL 1.1: a Windows loader that asks only
// wglGetProcAddress lacks it, and the runtime must say so, not crash.
TEST_F(CgGLLoader, AnOpenGL11FunctionTheLoaderLacksFailsTheLoad) {
    missing = "glBindTexture";
    cgGLSetProcAddressResolver(fakeLoader);
    cgGLLoadProgram(program);
    EXPECT_EQ(cgGetError(), CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    EXPECT_EQ(asked.count("glBindTexture"), 1u);
    EXPECT_EQ(asked.count("glCreateShader"), 1u);
}

TEST_F(CgGLLoader, ANewLoaderIsAskedAgainAndAFailedLoadIsRetried) {
    missing = "glUseProgram";
    cgGLSetProcAddressResolver(fakeLoader);
    cgGLLoadProgram(program);
    EXPECT_EQ(cgGetError(), CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    cgGLLoadProgram(program);
    EXPECT_EQ(cgGetError(), CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    EXPECT_EQ(asked.count("glUseProgram"), 2u);

    // Setting the loader for a new context: asked once more.
    cgGLSetProcAddressResolver(fakeLoader);
    cgGLLoadProgram(program);
    EXPECT_EQ(asked.count("glUseProgram"), 3u);
    EXPECT_EQ(asked.count("glUniformMatrix4x3fv"), 3u);  // optional ones are looked up too
}
