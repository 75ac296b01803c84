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

// Rows are replaced in place, tightly packed, and a span running past the
// last row is cut there; the filters set by the upload stay.
TEST_F(TextureTest, ReplaceRowsChangesOnlyThoseRows) {
    PlainImage image(3, 4, RGB8, std::vector<unsigned char>(36, 0));
    Texture texture(image, Nearest);
    const std::vector<unsigned char> pattern = rgbPattern(18);
    texture.replaceRows(1, 2, pattern.data());
    texture.replaceRows(3, 5, pattern.data());  // only row 3 exists
    texture.replaceRows(4, 1, pattern.data());  // none of these
    texture.replaceRows(-1, 1, pattern.data());
    std::vector<unsigned char> back(36);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, back.data());
    std::vector<unsigned char> expected(36, 0);
    std::copy(pattern.begin(), pattern.end(), expected.begin() + 9);
    std::copy(pattern.begin(), pattern.begin() + 9, expected.begin() + 27);
    EXPECT_EQ(back, expected);
    EXPECT_EQ(parameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
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
