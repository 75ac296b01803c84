// The filter collection on an OpenGL ES 3.0 context, as WebGL 2 runs it:
// the runtime writes GLSL ES 3.00 for the same files, which must draw what
// the independent models say, as on the desktop. The host feeds what ES
// lacks itself: the projection as a plain matrix, the quad as a fan.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glext.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "../support/es_window.h"
#include "Cg/cg.h"
#include "Cg/cgGL.h"
#include "collection_host.h"
#include "collection_reference.h"
#include "platform/gl_context.h"
#include "platform/window.h"

namespace {

using cgtest::expectImage;

const std::string collection = std::string(ZEPHRA_SOURCE_DIR) + "/tests/cg/collection/";
constexpr int size = 32;

class FilterCollectionOnES : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        window = new testsupport::ESWindow(size, size, false);
        glContext = Zephra::Platform::createGLContext(**window, 24, 8, 0, false);
        Zephra::Platform::makeCurrent(**window, glContext);
    }
    static void TearDownTestSuite() {
        Zephra::Platform::destroyGLContext(glContext);
        delete window;
    }
    void SetUp() override {
        ASSERT_NE(glContext, nullptr);
        context = cgCreateContext();
        cgGLEnableProfile(CG_PROFILE_ARBVP1);
        cgGLEnableProfile(CG_PROFILE_ARBFP1);
        glViewport(0, 0, size, size);
        glClearColor(0, 0, 0, 0);
    }
    void TearDown() override {
        if (!textures.empty()) glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
        cgDestroyContext(context);
        cgGetError();
    }

    struct Filter {
        CGprogram vertex = nullptr, fragment = nullptr;
    };

    Filter load(const std::string& file) {
        Filter f;
        for (CGprofile profile : {CG_PROFILE_ARBVP1, CG_PROFILE_ARBFP1}) {
            bool vertex = profile == CG_PROFILE_ARBVP1;
            CGprogram p = cgCreateProgramFromFile(context, CG_SOURCE, (collection + file).c_str(), profile,
                                                  vertex ? "main_vertex" : "main_fragment", nullptr);
            const char* listing = cgGetLastListing(context);
            EXPECT_NE(p, nullptr) << file << ": " << (listing ? listing : "");
            if (!p) return f;
            cgGLLoadProgram(p);
            EXPECT_EQ(cgGetError(), CG_NO_ERROR) << file << ": " << cgGetLastListing(context);
            EXPECT_EQ(std::strncmp(cgGetProgramString(p, CG_COMPILED_PROGRAM), "#version 300 es\n", 16), 0);
            (vertex ? f.vertex : f.fragment) = p;
        }
        return f;
    }

    unsigned upload(const cgref::Image& image) {
        textures.push_back(cgtest::uploadPicture(image));
        return textures.back();
    }

    cgref::Image run(const Filter& f, unsigned source, int sourceWidth, int sourceHeight) {
        if (!f.vertex || !f.fragment) return cgref::Image(size, size);
        // The unit square onto the window: what glOrtho(0, 1, 0, 1, -1, 1) makes.
        const float ortho[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, -1, 0, -1, -1, 0, 1};
        cgGLSetMatrixParameterfc(cgGetNamedParameter(f.vertex, "modelViewProj"), ortho);
        cgtest::setFrameSizes(f.vertex, f.fragment, sourceWidth, sourceHeight, size);
        CGparameter decal = cgGetNamedParameter(f.fragment, "decal");
        cgGLSetTextureParameter(decal, source);
        cgGLEnableTextureParameter(decal);
        cgGLBindProgram(f.vertex);
        cgGLBindProgram(f.fragment);
        EXPECT_EQ(cgGetError(), CG_NO_ERROR) << cgGetLastListing(context);

        // Client arrays: ES 3.0 takes them from memory (WebGL 2 would need a
        // buffer); ES has no quads.
        cgtest::drawUnitSquare(f.vertex, GL_TRIANGLE_FAN);

        return cgtest::readWindow(size);
    }

    static inline testsupport::ESWindow* window = nullptr;
    static inline Zephra::Platform::GLContext* glContext = nullptr;
    CGcontext context = nullptr;
    std::vector<GLuint> textures;
};

}  // namespace

TEST_F(FilterCollectionOnES, ScalersAndMasksDrawWhatTheirModelsSay) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_EQ(std::strncmp(version, "OpenGL ES 3", 11), 0) << version;
    cgref::Image blocky = cgref::blockyPicture(size / 2, size / 2, 3, 7);
    expectImage(run(load("scale2x.cg"), upload(blocky), blocky.width, blocky.height), cgref::scale2x(blocky));
    cgref::Image noisy = cgref::noisyPicture(size / 2, size / 4, 11);
    expectImage(run(load("crt_mask.cg"), upload(noisy), noisy.width, noisy.height),
                cgref::crtMask(noisy, size, size));
    cgref::Image colours = cgref::blockyPicture(size, size, 4, 9);
    expectImage(run(load("ntsc_chroma.cg"), upload(colours), size, size), cgref::ntscChroma(colours));
}

TEST_F(FilterCollectionOnES, BlurInTwoPassesThroughATexture) {
    cgref::Image source = cgref::noisyPicture(size, size, 5);
    cgref::Image across = run(load("blur_horizontal.cg"), upload(source), size, size);
    cgref::Image modelAcross = cgref::fromBytes(cgref::toBytes(cgref::blurHorizontal(source)), size, size);
    expectImage(across, modelAcross);
    expectImage(run(load("blur_vertical.cg"), upload(across), size, size), cgref::blurVertical(modelAcross));
}

TEST_F(FilterCollectionOnES, TheGlslEsProfilesGiveWhatAnESContextGetsFromAnyProfile) {
    std::string path = collection + "palette.cg";
    CGprogram byContext = cgCreateProgramFromFile(context, CG_SOURCE, path.c_str(), CG_PROFILE_ARBFP1,
                                                  "main_fragment", nullptr);
    CGprogram byProfile = cgCreateProgramFromFile(context, CG_SOURCE, path.c_str(), CG_PROFILE_GLSLESF,
                                                  "main_fragment", nullptr);
    ASSERT_NE(byContext, nullptr);
    ASSERT_NE(byProfile, nullptr);
    EXPECT_STREQ(cgGetProgramString(byContext, CG_COMPILED_PROGRAM), cgGetProgramString(byProfile, CG_COMPILED_PROGRAM));
    EXPECT_EQ(cgGetProfile("glslesv"), CG_PROFILE_GLSLESV);
    EXPECT_STREQ(cgGetProfileString(CG_PROFILE_GLSLESF), "glslesf");
    EXPECT_EQ(cgGLGetLatestProfile(CG_GL_VERTEX), CG_PROFILE_GLSLESV);
    EXPECT_TRUE(cgGLIsProfileSupported(CG_PROFILE_GLSLESF));
}
