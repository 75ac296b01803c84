#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/texture.h"
#include "plain_image.h"
#include "gl_fixture.h"

using namespace Zephra;

namespace {

class TextureTest : public GLTest {
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

std::vector<unsigned char> rgbPattern(int count) {
    std::vector<unsigned char> bytes(count);
    for (int i = 0; i < count; ++i) bytes[i] = static_cast<unsigned char>(10 + 7 * i);
    return bytes;
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

// An area is replaced in place from a larger image's rows, and one running
// past any edge is cut there, taking the pixels that fall inside; the
// filters set by the upload and the unpacking defaults stay.
TEST_F(TextureTest, ReplaceAreaChangesOnlyThatArea) {
    PlainImage image(4, 4, RGB8, std::vector<unsigned char>(48, 0));
    Texture texture(image, Nearest);
    // A 5 x 5 source of distinct pixels; pixel (column c, row r) is byte 3 * (5r + c).
    const std::vector<unsigned char> source = rgbPattern(75);
    const auto at = [&](int c, int r) { return source.data() + 3 * (5 * r + c); };
    texture.replaceArea(1, 1, 2, 2, at(1, 1), 5);     // the middle 2 x 2
    texture.replaceArea(3, -1, 3, 2, at(0, 0), 5);    // cut right and top: pixel (3, 0)
    texture.replaceArea(-2, 3, 3, 4, at(0, 0), 5);    // cut left and bottom: pixel (0, 3)
    texture.replaceArea(4, 0, 1, 1, at(0, 0), 5);     // outside: nothing
    std::vector<unsigned char> back(48);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, back.data());
    std::vector<unsigned char> expected(48, 0);
    const auto put = [&](int c, int r, const unsigned char* pixel) {
        std::copy(pixel, pixel + 3, expected.begin() + 3 * (4 * r + c));
    };
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) put(c, r, at(c, r));
    put(3, 0, at(0, 1));
    put(0, 3, at(2, 0));
    EXPECT_EQ(back, expected);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    EXPECT_EQ(integer(GL_UNPACK_ROW_LENGTH), 0);
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

    Texture fresh(image, Mipmapped);
    EXPECT_EQ(parameter(GL_TEXTURE_WRAP_S), GL_REPEAT);

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
