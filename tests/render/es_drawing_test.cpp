// The engine's immediate drawing and textures on an OpenGL ES 3.0 context,
// which has neither immediate mode nor GLU.
#include <cstring>
#include <vector>

#include "es_fixture.h"
#include "plain_image.h"
#include "render/render_state.h"
#include "render/texture.h"
#include "textured_program.h"

using namespace Zephra;

namespace {

class ESDrawingTest : public ESTest {
protected:
    void SetUp() override { clear(All, 0, 0, 0, 1, 1, 0); }

    static void quad(float x0, float y0, float x1, float y1) { texturedQuadVertices(x0, y0, x1, y1); }
};

bool near(const Pixel& a, const Pixel& b, int tolerance) {
    for (int i = 0; i < 4; ++i)
        if (a[i] - b[i] > tolerance || b[i] - a[i] > tolerance) return false;
    return true;
}

}  // namespace

TEST_F(ESDrawingTest, TheContextIsESAndPassesTheEntryPointCheck) {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(std::strncmp(version, "OpenGL ES 3", 11), 0) << version;
    EXPECT_TRUE(ES::active());
    for (int slot = 0; slot < GLEntryPoints::count; ++slot)
        EXPECT_NE(GLEntryPoints::get(slot), nullptr) << GLEntryPoints::name(slot);
}

TEST_F(ESDrawingTest, QuadsAreDrawnAsTwoTrianglesWithTheirVertexColours) {
    program(false);
    vertex(VertexColor, 1, 0, 0, 1);  // set before begin: holds for every vertex
    quad(-0.5f, -0.5f, 0.5f, 0.5f);   // pixels 80..239 across, 60..179 up
    EXPECT_EQ(readPixel(80, 60), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(readPixel(239, 179), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(readPixel(239, 60), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(readPixel(80, 179), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(readPixel(79, 100), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(readPixel(240, 100), (Pixel{0, 0, 0, 255}));

    // A colour per vertex, changed within the pair; an incomplete fifth
    // vertex is dropped.
    clear(All, 0, 0, 0, 1, 1, 0);
    begin(Quads);
    vertex(VertexColor, 0, 1, 0, 1);
    vertex(VertexPosition, -1, -1, 0, 1);
    vertex(VertexPosition, 0, -1, 0, 1);
    vertex(VertexColor, 0, 0, 1, 1);
    vertex(VertexPosition, 0, 1, 0, 1);
    vertex(VertexPosition, -1, 1, 0, 1);
    vertex(VertexPosition, 1, 1, 0, 1);
    glEnd();
    // Smooth shading, as on the desktop: near the green corners, near the blue ones.
    EXPECT_PRED3(near, readPixel(60, 5), (Pixel{0, 255, 0, 255}), 8);
    EXPECT_PRED3(near, readPixel(100, 234), (Pixel{0, 0, 255, 255}), 8);
    EXPECT_EQ(readPixel(200, 120), (Pixel{0, 0, 0, 255}));   // right half untouched

    // The colour last set stays for the next pair, as GL's current colour does.
    clear(All, 0, 0, 0, 1, 1, 0);
    begin(Triangles);
    vertex(VertexPosition, 0, -1, 0, 1);
    vertex(VertexPosition, 1, -1, 0, 1);
    vertex(VertexPosition, 1, 1, 0, 1);
    glEnd();
    EXPECT_EQ(readPixel(300, 10), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(readPixel(170, 200), (Pixel{0, 0, 0, 255}));  // above the diagonal
}

TEST_F(ESDrawingTest, PointsLinesAndAnEmptyPairDrawWhatTheyShould) {
    program(false);
    vertex(VertexColor, 1, 1, 1, 1);
    begin(Points);
    vertex(VertexPosition, ndcX(10), ndcY(20), 0, 1);
    glEnd();
    EXPECT_EQ(readPixel(10, 20), (Pixel{255, 255, 255, 255}));
    EXPECT_EQ(readPixel(11, 20), (Pixel{0, 0, 0, 255}));

    begin(LineStrip);
    vertex(VertexPosition, ndcX(30) - 0.001f, ndcY(40), 0, 1);
    vertex(VertexPosition, ndcX(60), ndcY(40), 0, 1);
    vertex(VertexPosition, ndcX(60), ndcY(70), 0, 1);
    glEnd();
    EXPECT_EQ(readPixel(45, 40), (Pixel{255, 255, 255, 255}));
    EXPECT_EQ(readPixel(60, 55), (Pixel{255, 255, 255, 255}));

    begin(Quads);  // nothing emitted: nothing drawn, nothing fails
    glEnd();
    glEnd();  // no pair open
    EXPECT_EQ(readPixel(200, 200), (Pixel{0, 0, 0, 255}));
}

TEST_F(ESDrawingTest, ClearSetsTheDepthValueThroughTheFloatCall) {
    clear(All, 0.2f, 0.4f, 0.6f, 1.0f, 0.25f, 3);
    GLfloat depth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
    EXPECT_FLOAT_EQ(depth, 0.25f);
    EXPECT_EQ(integer(GL_STENCIL_CLEAR_VALUE), 3);
    EXPECT_PRED3(near, readPixel(5, 5), (Pixel{51, 102, 153, 255}), 1);
}

TEST_F(ESDrawingTest, TexturesInEveryImageFormatSampleAsOnTheDesktop) {
    program(true);
    vertex(VertexColor, 1, 1, 1, 1);
    // Luminance samples as grey with opaque alpha.
    PlainImage grey(1, 1, Luminance8, {200});
    Texture greyTexture(grey, Nearest);
    quad(-1, -1, 1, 1);
    EXPECT_EQ(readPixel(160, 120), (Pixel{200, 200, 200, 255}));

    // RGB8 rows of 9 bytes are read back to back (unpack alignment 1).
    PlainImage rgb(3, 3, RGB8, {255, 0, 0, 0, 255, 0, 0, 0, 255,  //
                                10, 20, 30, 40, 50, 60, 70, 80, 90,  //
                                1, 2, 3, 4, 5, 6, 7, 8, 9});
    Texture rgbTexture(rgb, Nearest);
    quad(-1, -1, 1, 1);
    EXPECT_EQ(readPixel(20, 20), (Pixel{255, 0, 0, 255}));
    EXPECT_EQ(readPixel(300, 20), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(readPixel(160, 120), (Pixel{40, 50, 60, 255}));
    EXPECT_EQ(readPixel(300, 220), (Pixel{7, 8, 9, 255}));

    PlainImage rgba(1, 1, RGBA8, {9, 99, 199, 255});
    Texture rgbaTexture(rgba, Linear);
    quad(-1, -1, 1, 1);
    EXPECT_EQ(readPixel(160, 120), (Pixel{9, 99, 199, 255}));
}

TEST_F(ESDrawingTest, MipmappedTexturesGetTheirLevelsWithoutGlu) {
    program(true);
    vertex(VertexColor, 1, 1, 1, 1);
    // 6 x 2 pixels, not a power of two: half red, half blue columns in turn.
    std::vector<unsigned char> bytes;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) {
            bool red = x % 2 == 0;
            bytes.insert(bytes.end(), {static_cast<unsigned char>(red ? 255 : 0), 0,
                                       static_cast<unsigned char>(red ? 0 : 255), 255});
        }
    PlainImage stripes(6, 2, RGBA8, bytes);
    Texture texture(stripes, Mipmapped);
    // Two screen pixels for the six texels across: the coarse levels blend.
    quad(ndcX(0) - 0.5f * 2 / width, -1, ndcX(1) + 0.5f * 2 / width, 1);
    EXPECT_PRED3(near, readPixel(0, 120), (Pixel{128, 0, 128, 255}), 40);
}
