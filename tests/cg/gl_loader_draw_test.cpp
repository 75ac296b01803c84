// The runtime finds OpenGL itself on the current context; a loader from the
// host overrides it, and forgetting that loader goes back to the platform's.
#include "cg_test_sources.h"
#include "gl_fixture.h"
#include "platform/gl_context.h"

using namespace cgtest;

namespace {

int asked = 0;

void* countingLoader(const char* name) {
    ++asked;
    return Zephra::Platform::getGLProcAddress(name);
}

void* loaderWithoutUseProgram(const char* name) {
    return std::string(name) == "glUseProgram" ? nullptr : Zephra::Platform::getGLProcAddress(name);
}

class CgGLLoaderDrawing : public GLDrawing {
protected:
    void TearDown() override {
        cgGLSetProcAddressResolver(nullptr);
        GLDrawing::TearDown();
    }
    void expectDraws() {
        CGprogram f = program(fragment, CG_PROFILE_ARBFP1, "psMain");
        bind(passVertex, f);
        cgGLSetParameter4f(cgGetNamedParameter(f, "tint"), 0, 1, 0, 1);
        expectPixel(drawAndRead(), 0, 1, 0, 1);
    }
    const char* fragment = "float4 psMain(uniform float4 tint): COLOR { return tint; }";
};

}  // namespace

// The fixture loaded its programs before any loader was set: through the
// platform's own.
TEST_F(CgGLLoaderDrawing, WithoutALoaderTheRuntimeDraws) {
    expectDraws();
}

TEST_F(CgGLLoaderDrawing, TheHostsLoaderIsAskedInsteadUntilItIsForgotten) {
    asked = 0;
    cgGLSetProcAddressResolver(countingLoader);
    EXPECT_GT(asked, 0);  // the loaded table is resolved again at once
    expectDraws();

    cgGLSetProcAddressResolver(nullptr);
    asked = 0;
    expectDraws();
    EXPECT_EQ(asked, 0);
}

// A context's complete table stays until a complete one replaces it: bound
// programs never call through a null entry.
TEST_F(CgGLLoaderDrawing, ALoaderLackingAFunctionLeavesTheCompleteTableInPlace) {
    expectDraws();
    cgGLSetProcAddressResolver(loaderWithoutUseProgram);
    expectDraws();
}
