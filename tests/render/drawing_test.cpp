#include "plain_image.h"
#include "render_fixture.h"
#include "textured_program.h"

using namespace Zephra;

namespace {

class DrawingTest : public RenderTest {};

// Within one step of eight-bit rounding.
bool withinOneStep(const Pixel& a, const Pixel& b) {
    for (int i = 0; i < 4; ++i)
        if (a[i] - b[i] > 1 || b[i] - a[i] > 1) return false;
    return true;
}

}  // namespace

TEST_F(DrawingTest, TexturedQuadThroughACgProgramLandsOnItsPixels) {
    // Bottom row first: red, green; then blue, white.
    PlainImage image(2, 2, RGBA8,
                     {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255});
    Texture texture(image, Nearest);
    Program program(texturedSource, "vsMain", "psMain");
    clear(All, 0, 0, 0, 1, 1, 0);
    const float tint[4] = {1, 1, 0.5f, 1};
    // Pixels 80..239 across and 60..179 up.
    drawTexturedQuad(program, texture, tint, -0.5f, -0.5f, 0.5f, 0.5f);

    EXPECT_PRED2(withinOneStep, readPixel(120, 90), (Pixel{255, 0, 0, 255}));
    EXPECT_PRED2(withinOneStep, readPixel(200, 90), (Pixel{0, 255, 0, 255}));
    EXPECT_PRED2(withinOneStep, readPixel(120, 150), (Pixel{0, 0, 128, 255}));
    EXPECT_PRED2(withinOneStep, readPixel(200, 150), (Pixel{255, 255, 128, 255}));
    EXPECT_EQ(readPixel(80, 60), (Pixel{255, 0, 0, 255}));     // first pixel inside
    EXPECT_EQ(readPixel(239, 179), (Pixel{255, 255, 128, 255}));  // last pixel inside
    EXPECT_EQ(readPixel(79, 90), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(readPixel(240, 150), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(readPixel(120, 180), (Pixel{0, 0, 0, 255}));
}

TEST_F(DrawingTest, Luminance8SamplesAsGreyWithOpaqueAlpha) {
    PlainImage image(1, 1, Luminance8, {200});
    Texture texture(image, Nearest);
    Program program(texturedSource, "vsMain", "psMain");
    clear(All, 0, 0, 0, 0, 1, 0);
    const float tint[4] = {1, 1, 1, 1};
    drawTexturedQuad(program, texture, tint, -1, -1, 1, 1);
    EXPECT_PRED2(withinOneStep, readPixel(160, 120), (Pixel{200, 200, 200, 255}));
}
