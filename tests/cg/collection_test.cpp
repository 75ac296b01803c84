// Our own collection of image filters, written as such collections are
// (main_vertex and main_fragment, a frame_info struct, shared include
// files), each compiled from its file, drawn, read back and compared pixel
// by pixel with an independent model of what it should show.
#include <GL/gl.h>
#include <GL/glext.h>  // constants past OpenGL 1.1, which Windows' gl.h lacks

#include <algorithm>
#include <cmath>
#include <string>

#include "collection_host.h"
#include "collection_reference.h"
#include "gl_fixture.h"

using namespace cgtest;

namespace {

const std::string collection = std::string(ZEPHRA_SOURCE_DIR) + "/tests/cg/collection/";

class FilterCollection : public GLDrawing {
protected:
    struct Filter {
        CGprogram vertex = nullptr, fragment = nullptr;
    };

    Filter load(const std::string& file) {
        Filter f;
        std::string path = collection + file;
        for (CGprofile profile : {CG_PROFILE_ARBVP1, CG_PROFILE_ARBFP1}) {
            bool vertex = profile == CG_PROFILE_ARBVP1;
            CGprogram p = cgCreateProgramFromFile(context, CG_SOURCE, path.c_str(), profile,
                                                  vertex ? "main_vertex" : "main_fragment", nullptr);
            const char* listing = cgGetLastListing(context);
            EXPECT_NE(p, nullptr) << file << ": " << (listing ? listing : "");
            if (!p) return f;
            cgGLLoadProgram(p);
            (vertex ? f.vertex : f.fragment) = p;
        }
        return f;
    }

    unsigned upload(const cgref::Image& image) {
        textures.push_back(uploadPicture(image));
        return textures.back();
    }

    void TearDown() override {
        if (!textures.empty()) glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
        GLDrawing::TearDown();
    }

    // Draws the filter over the whole window from `source` as a host of such
    // collections does: the sizes in IN, the picture on "decal", the quad
    // from vertex arrays through the modelview-projection matrix.
    cgref::Image run(const Filter& f, unsigned source, int sourceWidth, int sourceHeight) {
        if (!f.vertex || !f.fragment) return cgref::Image(size, size);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 1, 0, 1, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        cgGLSetStateMatrixParameter(cgGetNamedParameter(f.vertex, "modelViewProj"),
                                    CG_GL_MODELVIEW_PROJECTION_MATRIX, CG_GL_MATRIX_IDENTITY);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        setFrameSizes(f.vertex, f.fragment, sourceWidth, sourceHeight, size);
        CGparameter decal = cgGetNamedParameter(f.fragment, "decal");
        cgGLSetTextureParameter(decal, source);
        cgGLEnableTextureParameter(decal);
        bind(f.vertex, f.fragment);

        drawUnitSquare(f.vertex, GL_QUADS);

        return readWindow(size);
    }

    std::vector<GLuint> textures;
};

}  // namespace

TEST_F(FilterCollection, Scale2xRoundsStaircasesAndKeepsStraightEdges) {
    cgref::Image source = cgref::blockyPicture(size / 2, size / 2, 3, 7);
    cgref::Image model = cgref::scale2x(source);
    // The picture must exercise the rule both ways for the comparison to mean anything.
    int rounded = 0;
    for (int y = 0; y < model.height; ++y)
        for (int x = 0; x < model.width; ++x)
            rounded += model.at(x, y)[0] != source.at(x / 2, y / 2)[0] || model.at(x, y)[2] != source.at(x / 2, y / 2)[2];
    EXPECT_GT(rounded, 20);
    EXPECT_LT(rounded, model.width * model.height / 2);
    expectImage(run(load("scale2x.cg"), upload(source), source.width, source.height), model);
}

TEST_F(FilterCollection, CrtMaskScanlinesAndGamma) {
    cgref::Image source = cgref::noisyPicture(size / 2, size / 4, 11);
    expectImage(run(load("crt_mask.cg"), upload(source), source.width, source.height),
                cgref::crtMask(source, size, size));
}

TEST_F(FilterCollection, BlurInTwoPassesThroughATexture) {
    cgref::Image source = cgref::noisyPicture(size, size, 5);
    cgref::Image across = run(load("blur_horizontal.cg"), upload(source), size, size);
    // The first pass is stored in 8 bits, as a host's intermediate texture holds it.
    cgref::Image modelAcross = cgref::fromBytes(cgref::toBytes(cgref::blurHorizontal(source)), size, size);
    expectImage(across, modelAcross);
    cgref::Image both = run(load("blur_vertical.cg"), upload(across), size, size);
    expectImage(both, cgref::blurVertical(modelAcross));
}

TEST_F(FilterCollection, PaletteLookupByBrightness) {
    cgref::Image source = cgref::noisyPicture(size, size, 3);
    cgref::Image palette = cgref::blockyPicture(8, 1, 4, 1);
    const float ramp[8][3] = {{0.1f, 0, 0.2f}, {0.3f, 0, 0.3f}, {0.5f, 0.1f, 0.2f}, {0.7f, 0.3f, 0.1f},
                              {0.8f, 0.5f, 0.1f}, {0.9f, 0.7f, 0.2f}, {1, 0.85f, 0.5f}, {1, 1, 0.9f}};
    for (int i = 0; i < 8; ++i) std::copy(ramp[i], ramp[i] + 3, palette.at(i, 0));
    palette = cgref::fromBytes(cgref::toBytes(palette), 8, 1);
    Filter f = load("palette.cg");
    ASSERT_NE(f.fragment, nullptr);
    CGparameter paletteParam = cgGetNamedParameter(f.fragment, "palette");
    cgGLSetTextureParameter(paletteParam, upload(palette));
    cgGLEnableTextureParameter(paletteParam);
    cgGLSetParameter1f(cgGetNamedParameter(f.fragment, "palette_size"), 8);
    std::vector<bool> ambiguous;
    cgref::Image model = cgref::paletteLookup(source, palette, ambiguous);
    EXPECT_LT(std::count(ambiguous.begin(), ambiguous.end(), true), 8);
    expectImage(run(f, upload(source), size, size), model, ambiguous);
}

TEST_F(FilterCollection, NtscChromaBleedsColourButNotBrightness) {
    cgref::Image source = cgref::blockyPicture(size, size, 4, 9);
    expectImage(run(load("ntsc_chroma.cg"), upload(source), size, size), cgref::ntscChroma(source));
}

TEST_F(FilterCollection, EveryFilterCompilesForEveryOpenGLProfile) {
    const char* files[] = {"scale2x.cg", "crt_mask.cg", "blur_horizontal.cg", "blur_vertical.cg", "palette.cg",
                           "ntsc_chroma.cg"};
    for (const char* file : files) {
        std::string path = collection + file;
        std::string vertexGlsl, fragmentGlsl;
        for (CGprofile profile : {CG_PROFILE_ARBVP1, CG_PROFILE_VP20, CG_PROFILE_VP30, CG_PROFILE_VP40, CG_PROFILE_GLSLV,
                                  CG_PROFILE_ARBFP1, CG_PROFILE_FP20, CG_PROFILE_FP30, CG_PROFILE_FP40, CG_PROFILE_GLSLF}) {
            bool vertex = profile == CG_PROFILE_ARBVP1 || profile == CG_PROFILE_VP20 || profile == CG_PROFILE_VP30 ||
                          profile == CG_PROFILE_VP40 || profile == CG_PROFILE_GLSLV;
            CGprogram p = cgCreateProgramFromFile(context, CG_SOURCE, path.c_str(), profile,
                                                  vertex ? "main_vertex" : "main_fragment", nullptr);
            ASSERT_NE(p, nullptr) << file << " " << cgGetProfileString(profile);
            std::string& first = vertex ? vertexGlsl : fragmentGlsl;
            if (first.empty()) first = cgGetProgramString(p, CG_COMPILED_PROGRAM);
            EXPECT_EQ(first, cgGetProgramString(p, CG_COMPILED_PROGRAM)) << file << " " << cgGetProfileString(profile);
        }
    }
}
