#include "floor_frame.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "platform/gl_context.h"

namespace {

void quad(float x, float y, float w, float h) {
    glBegin(GL_QUADS);
    const float corners[4][4] = {{x, y, 0, 0}, {x + w, y, 1, 0}, {x + w, y + h, 1, 1},
                                 {x, y + h, 0, 1}};
    for (const auto& c : corners) {
        glColor4f(1, 1, 1, 1);
        glTexCoord4f(c[2], c[3], 0, 1);
        glVertex4f(c[0], c[1], 0, 1);
    }
    glEnd();
}

}  // namespace

FloorFrame::FloorFrame(const std::vector<uint32_t>& spriteTextures, uint32_t skyTexture,
                       Zephra::Image& overlayImage)
    : sprites(spriteTextures),
      sky(skyTexture),
      width(overlayImage.getWidth()),
      height(overlayImage.getHeight()),
      overlayPixels(overlayImage.getData(), overlayImage.getData() + size_t(width) * height) {
    glGenTextures(1, &overlay);
}

FloorFrame::~FloorFrame() { glDeleteTextures(1, &overlay); }

void FloorFrame::draw(Zephra::Window& window) {
    GLint program = 0, bound = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glUseProgram(0);
    glEnable(GL_TEXTURE_2D);

    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, sky);
    quad(-1, -1, 2, 2);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (size_t i = 0; i < sprites.size(); ++i) {
        glBindTexture(GL_TEXTURE_2D, sprites[i]);
        const float size = i == 0 ? 2.0f : 0.1f;  // the ground, then sprites
        quad(-1 + float(i % 10) * 0.2f, -1 + float(i / 10) * 0.3f, size, size);
    }
    glDisable(GL_BLEND);

    glBindTexture(GL_TEXTURE_2D, overlay);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 1, width, height, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                 overlayPixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    quad(-1, -1, 2, 2);
    glDisable(GL_BLEND);

    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
    glUseProgram(GLuint(program));

    Zephra::Platform::pumpOneEvent();
    Zephra::Platform::swapBuffers(window);
}
