#include <cstdint>
#include <vector>

#include "render/texture.h"
#include "render_fixture.h"
#include "textured_program.h"

using namespace Zephra;

namespace {

class TextureTest : public RenderTest {
protected:
    static GLint parameter(GLenum name) {
        GLint value = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        return value;
    }
    static GLint levelWidth(int level) {
        GLint value = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &value);
        return value;
    }
    static GLuint bound() { return static_cast<GLuint>(integer(GL_TEXTURE_BINDING_2D)); }
};

// An image that is only its four queries, as the texture reads it.
class PlainImage : public Image {
public:
    PlainImage(int w, int h, PixelType type, std::vector<unsigned char> bytes)
        : w(w), h(h), type(type), bytes(std::move(bytes)) {}
    int32_t getWidth() override { return w; }
    int32_t getHeight() override { return h; }
    PixelType getPixelType() override { return type; }
    unsigned char* getData() override { return bytes.data(); }

private:
    int w, h;
    PixelType type;
    std::vector<unsigned char> bytes;
};

std::vector<unsigned char> rgbPattern(int count) {
    std::vector<unsigned char> bytes(count);
    for (int i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(10 + 7 * i);
    return bytes;
}

bool near(const Pixel& a, const Pixel& b) {
    for (int i = 0; i < 4; ++i)
        if (a[i] - b[i] > 1 || b[i] - a[i] > 1) return false;
    return true;
}

}  // namespace

TEST_F(TextureTest, Rgb8RowsAreReadBackToBack) {
    PlainImage image(3, 3, RGB8, rgbPattern(27));  // rows of 9 bytes, no padding
    Texture texture(image, Linear);
    EXPECT_EQ(bound(), texture.getName());
    EXPECT_EQ(levelWidth(0), 3);
    std::vector<unsigned char> back(27);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, back.data());
    EXPECT_EQ(back, rgbPattern(27));
    EXPECT_EQ(integer(GL_UNPACK_ALIGNMENT), 1);
    EXPECT_EQ(integer(GL_PACK_ALIGNMENT), 1);
}

TEST_F(TextureTest, NearestAndLinearClampWhileMipmappedKeepsTheWrap) {
    PlainImage image(4, 4, RGBA8, rgbPattern(64));
    Texture texture;
    texture.upload(4, 4, image.getData(), RGBA8, Nearest);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);

    texture.setWrap(Repeat);
    texture.load(image, Linear);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_T), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);

    texture.setWrap(Repeat);
    texture.load(image, Mipmapped);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(levelWidth(2), 1);  // the whole chain was built

    texture.setWrap(ClampToEdge);
    texture.load(image, Mipmapped);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);

    texture.setWrap(static_cast<TextureWrapEnum>(2));
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
}

TEST_F(TextureTest, FreshMipmappedTextureRepeats) {
    PlainImage image(2, 2, RGBA8, rgbPattern(16));
    Texture texture(image, Mipmapped);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(levelWidth(1), 1);
}

TEST_F(TextureTest, MipmappedWithoutPixelsSpecifiesOnlyLevelZero) {
    Texture texture;
    texture.upload(8, 8, nullptr, RGBA8, Mipmapped);
    EXPECT_EQ(levelWidth(0), 8);
    EXPECT_EQ(levelWidth(1), 0);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
}

TEST_F(TextureTest, SetFilterChangesOnlyTheFilters) {
    PlainImage image(4, 4, RGBA8, rgbPattern(64));
    Texture texture(image, Linear);
    glBindTexture(GL_TEXTURE_2D, 0);
    texture.setFilter(Mipmapped);
    EXPECT_EQ(bound(), texture.getName());
    EXPECT_EQ(parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_CLAMP_TO_EDGE);
    EXPECT_EQ(levelWidth(1), 0);  // no levels built
    EXPECT_EQ(texture.getFilter(), Linear);

    texture.setFilter(Nearest);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    texture.setFilter(static_cast<TextureFilterEnum>(3));
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
}

TEST_F(TextureTest, UnknownFilterStoresTheFieldsButSpecifiesNoImage) {
    Texture texture;
    texture.upload(5, 6, nullptr, RGB8, static_cast<TextureFilterEnum>(3));
    EXPECT_EQ(bound(), texture.getName());
    EXPECT_EQ(texture.getWidth(), 5);
    EXPECT_EQ(texture.getHeight(), 6);
    EXPECT_EQ(texture.getPixelType(), RGB8);
    EXPECT_EQ(levelWidth(0), 0);
}

TEST_F(TextureTest, NamesAreMadeWithoutBindingAndDeletedWithTheTexture) {
    PlainImage image(1, 1, RGBA8, {1, 2, 3, 4});
    GLuint name;
    {
        Texture first(image, Nearest);
        name = first.getName();
        Texture second;
        EXPECT_NE(second.getName(), name);
        EXPECT_EQ(bound(), name);  // creating the second did not bind it
        EXPECT_TRUE(glIsTexture(name));
    }
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(TextureTest, TexturedQuadThroughACgProgramLandsOnItsPixels) {
    // Bottom row first: red, green; then blue, white.
    PlainImage image(2, 2, RGBA8,
                     {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255});
    Texture texture(image, Nearest);
    Program program(texturedSource, "vsMain", "psMain");
    clear(All, 0, 0, 0, 1, 1, 0);
    const float tint[4] = {1, 1, 0.5f, 1};
    // Pixels 80..239 across and 60..179 up.
    drawTexturedQuad(program, texture, tint, -0.5f, -0.5f, 0.5f, 0.5f);

    EXPECT_PRED2(near, readPixel(120, 90), (Pixel{255, 0, 0, 255}));
    EXPECT_PRED2(near, readPixel(200, 90), (Pixel{0, 255, 0, 255}));
    EXPECT_PRED2(near, readPixel(120, 150), (Pixel{0, 0, 128, 255}));
    EXPECT_PRED2(near, readPixel(200, 150), (Pixel{255, 255, 128, 255}));
    EXPECT_EQ(readPixel(80, 60), (Pixel{255, 0, 0, 255}));     // first pixel inside
    EXPECT_EQ(readPixel(239, 179), (Pixel{255, 255, 128, 255}));  // last pixel inside
    EXPECT_EQ(readPixel(79, 90), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(readPixel(240, 150), (Pixel{0, 0, 0, 255}));
    EXPECT_EQ(readPixel(120, 180), (Pixel{0, 0, 0, 255}));
}

TEST_F(TextureTest, Luminance8SamplesAsGreyWithOpaqueAlpha) {
    PlainImage image(1, 1, Luminance8, {200});
    Texture texture(image, Nearest);
    Program program(texturedSource, "vsMain", "psMain");
    clear(All, 0, 0, 0, 0, 1, 0);
    const float tint[4] = {1, 1, 1, 1};
    drawTexturedQuad(program, texture, tint, -1, -1, 1, 1);
    EXPECT_PRED2(near, readPixel(160, 120), (Pixel{200, 200, 200, 255}));
}
