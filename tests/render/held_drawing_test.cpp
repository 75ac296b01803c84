// In the browser the immediate batch holds quads back and draws runs of them
// in one call, before any other GL call that could change or read what they
// draw. A program must see the same pixels as if each pair drew at its end,
// whatever GL calls of its own it makes in between.
#include <GLES3/gl3.h>

#include "es_fixture.h"
#include "render/render_state.h"

using namespace Zephra;

namespace {

class HeldDrawingTest : public ESTest {
protected:
    void SetUp() override {
        glDisable(GL_BLEND);
        glActiveTexture(GL_TEXTURE0);
        clear(All, 0, 0, 1, 1, 1, 0);  // blue
        program(true);
        vertex(VertexColor, 1, 1, 1, 1);
    }

    // A 1 x 1 texture of one colour, left bound on the active unit.
    static GLuint texture(unsigned char r, unsigned char g, unsigned char b) {
        const unsigned char rgba[4] = {r, g, b, 255};
        GLuint name = 0;
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        return name;
    }

    static void quad(float x0, float y0, float x1, float y1) {
        begin(Quads);
        vertex(VertexTexCoord0, 0, 0, 0, 1);
        vertex(VertexPosition, x0, y0, 0, 1);
        vertex(VertexPosition, x1, y0, 0, 1);
        vertex(VertexPosition, x1, y1, 0, 1);
        vertex(VertexPosition, x0, y1, 0, 1);
        glEnd();
    }
};

const Pixel red{255, 0, 0, 255}, green{0, 255, 0, 255}, blue{0, 0, 255, 255},
    yellow{255, 255, 0, 255}, white{255, 255, 255, 255};

}  // namespace

TEST_F(HeldDrawingTest, EachQuadIsDrawnWithTheStateOfItsOwnPair) {
    const GLuint redTexture = texture(255, 0, 0);
    const GLuint greenTexture = texture(0, 255, 0);
    glBindTexture(GL_TEXTURE_2D, redTexture);
    quad(-1, -1, 0, 1);
    glBindTexture(GL_TEXTURE_2D, greenTexture);
    quad(0, -1, 1, 1);
    // Blending from here on: the red quad below was drawn without it.
    glBindTexture(GL_TEXTURE_2D, redTexture);
    quad(-1, 0.5f, 1, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glBindTexture(GL_TEXTURE_2D, greenTexture);
    quad(-1, 0.5f, 1, 1);
    glDisable(GL_BLEND);

    EXPECT_EQ(readPixel(40, 60), red);
    EXPECT_EQ(readPixel(280, 60), green);
    EXPECT_EQ(readPixel(160, 220), yellow) << "red under added green, not blue + red + green";
    glDeleteTextures(1, &redTexture);
    glDeleteTextures(1, &greenTexture);
}

TEST_F(HeldDrawingTest, QuadsDrawnTogetherKeepTheirOrder) {
    const GLuint whiteTexture = texture(255, 255, 255);
    vertex(VertexColor, 1, 0, 0, 1);
    quad(-1, -1, 1, 1);
    vertex(VertexColor, 0, 1, 0, 1);
    quad(-1, -1, 0, 1);
    vertex(VertexColor, 1, 1, 1, 1);
    quad(-0.5f, -1, 0, 0);
    EXPECT_EQ(readPixel(280, 120), red);
    EXPECT_EQ(readPixel(40, 200), green);
    EXPECT_EQ(readPixel(100, 20), white);
    glDeleteTextures(1, &whiteTexture);
}

TEST_F(HeldDrawingTest, AnIncompleteTriangleTakesNoVerticesFromTheNextPair) {
    const GLuint whiteTexture = texture(255, 255, 255);
    begin(Triangles);  // a triangle at the left and a stray vertex, top left
    vertex(VertexPosition, -1, -1, 0, 1);
    vertex(VertexPosition, 0, -1, 0, 1);
    vertex(VertexPosition, -1, 1, 0, 1);
    vertex(VertexPosition, -1, 1, 0, 1);
    glEnd();
    begin(Triangles);  // a triangle at the right
    vertex(VertexPosition, 1, -1, 0, 1);
    vertex(VertexPosition, 1, 1, 0, 1);
    vertex(VertexPosition, 0, -1, 0, 1);
    glEnd();
    EXPECT_EQ(readPixel(20, 20), white);
    EXPECT_EQ(readPixel(300, 20), white);
    // The stray vertex and the next pair's first two would cover the upper
    // right half of the screen.
    EXPECT_EQ(readPixel(150, 200), blue);
    glDeleteTextures(1, &whiteTexture);
}

TEST_F(HeldDrawingTest, ArraysAndTexturesOfOtherCodeLeaveTheBatchItsOwn) {
    const GLuint redTexture = texture(255, 0, 0);
    quad(-1, -1, 0, 1);

    // Other code draws the right half with arrays and a texture of its own.
    const GLuint greenTexture = texture(0, 255, 0);
    GLuint array = 0, buffer = 0;
    glGenVertexArrays(1, &array);
    glBindVertexArray(array);
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    const float corners[] = {0, -1, 1, -1, 1, 1, 0, -1, 1, 1, 0, 1};
    glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glVertexAttrib4f(3, 1, 1, 1, 1);
    glVertexAttrib4f(8, 0, 0, 0, 1);
    glDrawArrays(GL_TRIANGLES, 0, 6);

    // The engine again: its arrays are bound again, with the red texture.
    glBindTexture(GL_TEXTURE_2D, redTexture);
    quad(-1, 0.5f, 1, 1);
    EXPECT_EQ(readPixel(40, 60), red);
    EXPECT_EQ(readPixel(280, 60), green);
    EXPECT_EQ(readPixel(280, 220), red);
    EXPECT_NE(integer(GL_VERTEX_ARRAY_BINDING), static_cast<GLint>(array));

    // Deleting the bound texture unbinds it; the one made next is drawn.
    glDeleteTextures(1, &redTexture);
    const GLuint yellowTexture = texture(255, 255, 0);
    quad(-1, -1, 1, -0.5f);
    EXPECT_EQ(readPixel(160, 10), yellow);
    glDeleteVertexArrays(1, &array);
    glDeleteBuffers(1, &buffer);
    glDeleteTextures(1, &greenTexture);
    glDeleteTextures(1, &yellowTexture);
}

TEST_F(HeldDrawingTest, BindingWhatIsBoundLeavesEveryUnitAsItWas) {
    const GLuint redTexture = texture(255, 0, 0);
    const GLuint greenTexture = texture(0, 255, 0);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, greenTexture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, redTexture);
    quad(-1, -1, 0, 1);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, redTexture);
    quad(0, -1, 1, 1);

    EXPECT_EQ(integer(GL_ACTIVE_TEXTURE), GL_TEXTURE0);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(redTexture));
    glActiveTexture(GL_TEXTURE1);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), static_cast<GLint>(greenTexture));
    glActiveTexture(GL_TEXTURE0);
    EXPECT_EQ(readPixel(40, 60), red);
    EXPECT_EQ(readPixel(280, 60), red);
    glDeleteTextures(1, &redTexture);
    glDeleteTextures(1, &greenTexture);
}
