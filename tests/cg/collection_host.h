// What a host of the filter collection does around each filter, the same on
// desktop OpenGL and on ES: the picture as a texture, the frame sizes, the
// drawn image read back and compared with its model.
#pragma once

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glext.h>  // constants past OpenGL 1.1, which Windows' gl.h lacks

#include <cmath>
#include <cstdint>
#include <vector>

#include "Cg/cg.h"
#include "Cg/cgGL.h"
#include "collection_reference.h"

namespace cgtest {

// The picture as an RGBA texture, read texel by texel and clamped.
inline GLuint uploadPicture(const cgref::Image& image) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    std::vector<std::uint8_t> bytes = cgref::toBytes(image);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image.width, image.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, bytes.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    return name;
}

// Either stage may declare the sizes; a host sets them where they are.
inline void setFrameSizes(CGprogram vertex, CGprogram fragment, int sourceWidth, int sourceHeight, int outputSize) {
    for (CGprogram stage : {vertex, fragment}) {
        for (const char* name : {"IN.video_size", "IN.texture_size"})
            if (CGparameter p = cgGetNamedParameter(stage, name))
                cgGLSetParameter2f(p, static_cast<float>(sourceWidth), static_cast<float>(sourceHeight));
        if (CGparameter p = cgGetNamedParameter(stage, "IN.output_size"))
            cgGLSetParameter2f(p, static_cast<float>(outputSize), static_cast<float>(outputSize));
    }
}

inline cgref::Image readWindow(int size) {
    std::vector<std::uint8_t> rgba(static_cast<size_t>(size * size * 4));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size, size, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return cgref::fromBytes(rgba, size, size);
}

// Draws the unit square, position and texture coordinate both fed from
// client arrays through the runtime, as the collection's host draws a pass.
inline void drawUnitSquare(CGprogram vertex, GLenum primitive) {
    static const float corners[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    CGparameter position = cgGetNamedParameter(vertex, "position");
    CGparameter tex = cgGetNamedParameter(vertex, "tex");
    cgGLSetParameterPointer(position, 2, GL_FLOAT, 0, corners);
    cgGLSetParameterPointer(tex, 2, GL_FLOAT, 0, corners);
    cgGLEnableClientState(position);
    cgGLEnableClientState(tex);
    glClear(GL_COLOR_BUFFER_BIT);
    glDrawArrays(primitive, 0, 4);
    cgGLDisableClientState(position);
    cgGLDisableClientState(tex);
}

// Every pixel within two steps of 8 bits of the model; `skip` marks the
// pixels the model cannot decide.
inline void expectImage(const cgref::Image& drawn, const cgref::Image& model, const std::vector<bool>& skip = {}) {
    ASSERT_EQ(drawn.width, model.width);
    ASSERT_EQ(drawn.height, model.height);
    int wrong = 0;
    for (int y = 0; y < model.height; ++y)
        for (int x = 0; x < model.width; ++x) {
            if (!skip.empty() && skip[static_cast<size_t>(y * model.width + x)]) continue;
            for (int c = 0; c < 3; ++c) {
                long got = std::lround(drawn.at(x, y)[c] * 255), want = std::lround(model.at(x, y)[c] * 255);
                if (std::labs(got - want) > 2 && wrong++ < 5)
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") channel " << c << ": drawn " << got
                                  << ", model " << want;
            }
        }
    EXPECT_EQ(wrong, 0);
}

}  // namespace cgtest
