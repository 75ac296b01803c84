// The device, our Cg runtime and the game's own sprite program on an OpenGL
// ES 3.0 context (the browser's WebGL 2), against desktop OpenGL.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Cg/cgGL.h"
#include "media/font.h"
#include "media/image_loader.h"
#include "platform/gl_context.h"
#include "platform/window.h"
#include "render/device.h"
#include "render/matrix.h"
#include "render/program.h"
#include "render/render_state.h"
#include "render/texture.h"
#include "utils/exceptions.h"
#include "utils/file.h"

using namespace Zephra;
using Platform::ContextAPI;

namespace {

constexpr int width = 320;
constexpr int height = 240;

// Windows made while it lives speak `api`.
struct ContextAPIChoice {
    explicit ContextAPIChoice(ContextAPI api) { Platform::setContextAPI(api); }
    ~ContextAPIChoice() { Platform::setContextAPI(ContextAPI::Desktop); }
};

std::unique_ptr<Texture> loadTexture(const char* path) {
    Utils::File file(path, Utils::Read);
    std::unique_ptr<BitmapImage> image(loadImage(file));
    return std::make_unique<Texture>(*image, Mipmapped);
}

void sprite(float x, float y, float size, float alpha) {
    const float corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    begin(Quads);
    for (const auto& c : corners) {
        vertex(VertexColor, 1, 1, 1, alpha);
        vertex(VertexTexCoord0, c[0], c[1], 0, 1);
        vertex(VertexPosition, x + c[0] * size, y + c[1] * size, 0, 1);
    }
    glEnd();
}

// One frame as the game draws it: sky, sprites with blending and vertex
// alpha, and the HUD text, through data/shader.cg. RGBA, bottom row first.
std::vector<unsigned char> drawGameFrame(ContextAPI api, std::string& glslHead) {
    ContextAPIChoice choice(api);
    Window window(width, height, true);
    Device device(window, 24, 8, 0, 0);
    std::vector<unsigned char> pixels(width * height * 4);
    {
        std::unique_ptr<char[]> source(Utils::readText("data/shader.cg"));
        Program program(source.get(), "vsMain", "psMain");
        glslHead = cgGetProgramString(program.getParameter("color").fragment
                                          ? cgGetParameterProgram(program.getParameter("color").fragment)
                                          : nullptr,
                                      CG_COMPILED_PROGRAM);
        glslHead = glslHead.substr(0, glslHead.find('\n'));
        auto sky = loadTexture("data/gradient.jpg");
        auto star = loadTexture("data/star.png");
        auto cat = loadTexture("data/cat.png");
        Utils::File fontFile("data/calibri.ttf", Utils::Read);
        Font font(fontFile, 20);

        clear(All, 1, 1, 1, 1, 1, 0);
        const float white[4] = {1, 1, 1, 1};
        program.bind();
        program.getParameter("color").setFloat4(white);
        program.applyStateMatrices();
        program.getParameter("texture").setTexture(*sky);
        sprite(-1, -1, 2, 1);
        enable(Blend);
        setBlendFunc(SourceAlpha, InverseSourceAlpha);
        program.getParameter("texture").setTexture(*star);
        sprite(-0.8f, 0.2f, 0.25f, 1);
        sprite(0.3f, -0.6f, 0.6f, 0.5f);  // magnified and half transparent
        program.getParameter("texture").setTexture(*cat);
        sprite(-0.2f, -0.9f, 0.4f, 1);
        disable(Blend);
        font.clear();
        Pen pen{10, 30};
        font.printf(pen, "Points: %i", 1234);
        font.draw();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    }
    return pixels;
}

// Written when ZEPHRA_ES_SHOTS names a folder, to look at.
void keepShot(const std::vector<unsigned char>& rgba, const std::string& name) {
    const char* folder = std::getenv("ZEPHRA_ES_SHOTS");
    if (!folder) return;
    std::string path = std::string(folder) + "/" + name + ".ppm";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6\n%d %d\n255\n", width, height);
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) std::fwrite(&rgba[(y * width + x) * 4], 1, 3, f);
    std::fclose(f);
}

}  // namespace

TEST(ESDevice, StartsWithItsCgTestProgramsCompiledLoadedAndLinkedAsGlslEs) {
    ContextAPIChoice choice(ContextAPI::ES);
    Window window(width, height, true);
    Device device(window, 24, 8, 0, 0);
    EXPECT_EQ(std::strncmp(reinterpret_cast<const char*>(glGetString(GL_VERSION)), "OpenGL ES 3", 11), 0);
    EXPECT_EQ(cgGLGetLatestProfile(CG_GL_FRAGMENT), CG_PROFILE_GLSLESF);
    // ES has no rectangle textures: the driver's refusal reaches the
    // engine's error handler like any Cg error.
    const char* rectangle = "float4 vsMain(): POSITION { return 0; } "
                            "float4 psMain(uniform samplerRECT s): COLOR { return texRECT(s, float2(0)); }";
    EXPECT_THROW({ Program program(rectangle, "vsMain", "psMain"); }, Exceptions::Exception);
}

TEST(ESDevice, TheGameShaderDrawsTheSamePixelsAsOnDesktopGL) {
    std::string desktopHead, esHead;
    std::vector<unsigned char> desktop, es;
    try {
        desktop = drawGameFrame(ContextAPI::Desktop, desktopHead);
        es = drawGameFrame(ContextAPI::ES, esHead);
    } catch (const Exceptions::Exception& e) {
        FAIL() << e.getMessage();
    }
    keepShot(desktop, "desktop");
    keepShot(es, "es");
    EXPECT_EQ(desktopHead, "#version 120");
    EXPECT_EQ(esHead, "#version 300 es");
    int differing = 0, largest = 0;
    for (std::size_t i = 0; i < es.size(); ++i) {
        int d = es[i] > desktop[i] ? es[i] - desktop[i] : desktop[i] - es[i];
        if (d > 0) ++differing;
        if (d > largest) largest = d;
    }
    // Minified pictures sample the smaller mipmap levels, which GLU builds on
    // the desktop and the driver on ES: both average 2 x 2 texels, but they
    // round differently, by up to one step a level.
    EXPECT_LE(largest, 2) << differing << " channel values differ";
    // The frame is not blank: sky, sprites and text all left their colours.
    int distinct = 0;
    for (std::size_t i = 4; i < es.size(); i += 4) distinct += std::memcmp(&es[i], &es[i - 4], 3) != 0;
    EXPECT_GT(distinct, 1000);
}
