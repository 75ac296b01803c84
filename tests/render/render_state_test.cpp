#include <memory>

#include "render/render_state.h"
#include "gl_fixture.h"
#include "utils/exceptions.h"

using namespace Zephra;

namespace {

class RenderStateTest : public GLTest {};

template <typename E>
E value(int v) {
    return static_cast<E>(v);
}

const Pixel black = {0, 0, 0, 255};
const Pixel white = {255, 255, 255, 255};

}  // namespace

TEST_F(RenderStateTest, EnableAndDisableSwitchTheMappedCapability) {
    const GLenum capabilities[] = {GL_BLEND, GL_DEPTH_TEST, GL_STENCIL_TEST, GL_SCISSOR_TEST,
                                   GL_CULL_FACE};
    for (int i = 0; i < 5; ++i) {
        enable(value<RenderStateEnum>(i));
        EXPECT_TRUE(glIsEnabled(capabilities[i])) << i;
        disable(value<RenderStateEnum>(i));
        EXPECT_FALSE(glIsEnabled(capabilities[i])) << i;
    }
    // Outside the table: ignored, nothing switched on.
    enable(value<RenderStateEnum>(5));
    enable(value<RenderStateEnum>(-1));
    for (GLenum capability : capabilities) EXPECT_FALSE(glIsEnabled(capability));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(RenderStateTest, BlendFuncSetsBothFactors) {
    setBlendFunc(SourceAlpha, InverseSourceAlpha);
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));  // does not enable blending

    setBlendFunc(One, InverseSourceColor);
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_ONE);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_COLOR);

    // The destination colour factors sit before the alpha factors.
    EXPECT_EQ(mapBlendOperand(DestinationColor), unsigned(GL_DST_COLOR));
    EXPECT_EQ(mapBlendOperand(InverseDestinationColor), unsigned(GL_ONE_MINUS_DST_COLOR));
    EXPECT_EQ(mapBlendOperand(InverseDestinationAlpha), unsigned(GL_ONE_MINUS_DST_ALPHA));
}

TEST_F(RenderStateTest, IllegalBlendOperandThrowsAndChangesNothing) {
    setBlendFunc(Zero, DestinationAlpha);
    for (int bad : {10, -1}) {
        for (bool sourceSide : {true, false}) {
            BlendOperandEnum illegal = value<BlendOperandEnum>(bad);
            try {
                sourceSide ? setBlendFunc(illegal, One) : setBlendFunc(One, illegal);
                ADD_FAILURE() << "no exception for " << bad;
            } catch (const Exceptions::IllegalEnumException& e) {
                EXPECT_EQ(e.getMessage(), "Illegal BlendOperandEnum");
            }
            EXPECT_EQ(integer(GL_BLEND_SRC), GL_ZERO);
            EXPECT_EQ(integer(GL_BLEND_DST), GL_DST_ALPHA);
        }
    }
}

TEST_F(RenderStateTest, BeginTwoDrawsAnOpenLineStrip) {
    // No program bound: the fixed pipeline draws the current colour, white.
    clear(Color, 0, 0, 0, 1, 1, 0);
    const int left = 40, right = 200, bottom = 40, top = 160;
    begin(value<PrimitiveTypeEnum>(2));
    vertex(VertexPosition, ndcX(left), ndcY(bottom), 0, 1);
    vertex(VertexPosition, ndcX(right), ndcY(bottom), 0, 1);
    vertex(VertexPosition, ndcX(right), ndcY(top), 0, 1);
    glEnd();
    EXPECT_EQ(readPixel(120, bottom), white);      // first segment
    EXPECT_EQ(readPixel(right, 100), white);       // second segment: a strip, not separate lines
    EXPECT_EQ(readPixel(120, 100), black);         // on the closing diagonal: not a loop
    EXPECT_EQ(readPixel(left - 10, bottom), black);

    try {
        begin(value<PrimitiveTypeEnum>(5));
        ADD_FAILURE() << "no exception";
    } catch (const Exceptions::IllegalEnumException& e) {
        EXPECT_EQ(e.getMessage(), "Illegal PrimitiveTypeEnum");
    }
    // Inside glBegin this query would be an error: nothing was begun.
    integer(GL_VIEWPORT);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(RenderStateTest, ClearSetsAllClearValuesAndClearsTheTargetBuffersOnly) {
    auto depthAt = [](int x, int y) {
        float depth = -1;
        glReadPixels(x, y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        return depth;
    };
    auto stencilAt = [](int x, int y) {
        GLubyte stencil = 0;
        glReadPixels(x, y, 1, 1, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, &stencil);
        return int(stencil);
    };

    clear(All, 0, 0, 1, 1, 0.5f, 7);
    EXPECT_EQ(readPixel(10, 10), (Pixel{0, 0, 255, 255}));
    EXPECT_NEAR(depthAt(10, 10), 0.5f, 1e-4);
    EXPECT_EQ(stencilAt(10, 10), 7);

    clear(Color, 0, 1, 0, 1, 0.25f, 3);
    EXPECT_EQ(readPixel(10, 10), (Pixel{0, 255, 0, 255}));
    EXPECT_NEAR(depthAt(10, 10), 0.5f, 1e-4);
    EXPECT_EQ(stencilAt(10, 10), 7);

    clear(DepthStencil, 1, 0, 0, 1, 0.25f, 3);
    EXPECT_EQ(readPixel(10, 10), (Pixel{0, 255, 0, 255}));
    EXPECT_NEAR(depthAt(10, 10), 0.25f, 1e-4);
    EXPECT_EQ(stencilAt(10, 10), 3);

    // Outside the table: the values are set, nothing is cleared.
    clear(value<ClearTargetEnum>(7), 1, 0, 0, 0.5f, 0.75f, 5);
    GLfloat colour[4] = {};
    glGetFloatv(GL_COLOR_CLEAR_VALUE, colour);
    EXPECT_FLOAT_EQ(colour[0], 1);
    EXPECT_FLOAT_EQ(colour[1], 0);
    EXPECT_FLOAT_EQ(colour[3], 0.5f);
    GLfloat depth = 0;
    glGetFloatv(GL_DEPTH_CLEAR_VALUE, &depth);
    EXPECT_FLOAT_EQ(depth, 0.75f);
    EXPECT_EQ(integer(GL_STENCIL_CLEAR_VALUE), 5);
    EXPECT_EQ(readPixel(10, 10), (Pixel{0, 255, 0, 255}));
    EXPECT_NEAR(depthAt(10, 10), 0.25f, 1e-4);
    EXPECT_EQ(stencilAt(10, 10), 3);
}

TEST_F(RenderStateTest, SubmitSetsOnlyTheNamedAttribute) {
    auto activeTexture = function<PFNGLACTIVETEXTUREPROC>("glActiveTexture");
    auto getAttrib = function<PFNGLGETVERTEXATTRIBFVPROC>("glGetVertexAttribfv");
    auto vec4 = [](GLenum name) {
        std::array<float, 4> v{};
        glGetFloatv(name, v.data());
        return v;
    };
    auto texCoord = [&](int unit) {
        activeTexture(GL_TEXTURE0 + unit);
        auto v = vec4(GL_CURRENT_TEXTURE_COORDS);
        activeTexture(GL_TEXTURE0);
        return v;
    };
    auto generic = [&](int index) {
        std::array<float, 4> v{};
        getAttrib(index, GL_CURRENT_VERTEX_ATTRIB, v.data());
        return v;
    };
    using V = std::array<float, 4>;

    vertex(VertexColor, 0.1f, 0.2f, 0.3f, 0.4f);
    vertex(VertexTexCoord0, 1, 2, 3, 4);
    vertex(value<VertexAttributeEnum>(3), 5, 6, 7, 8);
    vertex(value<VertexAttributeEnum>(9), 9, 10, 11, 12);
    vertex(value<VertexAttributeEnum>(115), 13, 14, 15, 16);
    EXPECT_EQ(vec4(GL_CURRENT_COLOR), (V{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(texCoord(0), (V{1, 2, 3, 4}));
    EXPECT_EQ(texCoord(1), (V{5, 6, 7, 8}));
    EXPECT_EQ(texCoord(7), (V{9, 10, 11, 12}));
    EXPECT_EQ(generic(15), (V{13, 14, 15, 16}));

    // Exactly three floats for the normal (an over-read shows under ASan).
    std::unique_ptr<float[]> normal(new float[3]{0, 0.6f, 0.8f});
    submit(VertexNormal, normal.get());
    EXPECT_EQ(vec4(GL_CURRENT_NORMAL)[1], 0.6f);
    EXPECT_EQ(vec4(GL_CURRENT_NORMAL)[2], 0.8f);

    const float other[4] = {-1, -2, -3, -4};
    for (int ignored : {1, 12, 99, 116, -1}) submit(value<VertexAttributeEnum>(ignored), other);
    EXPECT_EQ(vec4(GL_CURRENT_COLOR), (V{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(texCoord(0), (V{1, 2, 3, 4}));
    EXPECT_EQ(texCoord(1), (V{5, 6, 7, 8}));
    EXPECT_EQ(generic(15), (V{13, 14, 15, 16}));
    EXPECT_EQ(generic(14), (V{0, 0, 0, 1}));
    EXPECT_EQ(vec4(GL_CURRENT_NORMAL)[2], 0.8f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
