#include "floor_frame.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include "platform/gl_context.h"

namespace {

void quad(uint32_t texture, float x, float y, float w, float h) {
    glBindTexture(GL_TEXTURE_2D, texture);
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

FloorFrame::FloorFrame(const GameAssets& assets, Zephra::Image& overlayImage,
                       OverlayUpload upload)
    : assets(assets),
      upload(upload),
      width(overlayImage.getWidth()),
      height(overlayImage.getHeight()),
      overlayPixels(overlayImage.getData(), overlayImage.getData() + size_t(width) * height) {
    glGenTextures(1, &overlay);
    if (upload == OverlayUpload::Once) {
        GLint bound = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        uploadOverlay();
        glBindTexture(GL_TEXTURE_2D, GLuint(bound));
    }
}

void FloorFrame::uploadOverlay() {
    glBindTexture(GL_TEXTURE_2D, overlay);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 1, width, height, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                 overlayPixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

FloorFrame::~FloorFrame() { glDeleteTextures(1, &overlay); }

void FloorFrame::draw(const GameWorld& world, Zephra::Window& window) {
    GLint program = 0, bound = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    glUseProgram(0);
    glEnable(GL_TEXTURE_2D);

    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    quad(assets.gradient->getName(), -1, -1, 2, 2);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    quad(assets.ground->getName(), -1, -1 - world.cameraY, 2, 2);
    const float starHeight = 0.1f * GameWorld::AspectRatio;
    for (const StarPosition& star : world.starPositions)
        quad(assets.star->getName(), star.x - 0.05f, star.y - starHeight / 2 - world.cameraY,
             0.1f, starHeight);
    const float catHeight = 0.2f * GameWorld::AspectRatio;
    quad(assets.cat->getName(), world.catX - 0.1f, world.catY - catHeight / 2 - world.cameraY,
         0.2f, catHeight);
    quad(assets.goldStar->getName(), -1, 0.75f, 0.05f, 0.05f * GameWorld::AspectRatio);
    glDisable(GL_BLEND);

    if (upload == OverlayUpload::EachFrame) uploadOverlay();
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    quad(overlay, -1, -1, 2, 2);
    glDisable(GL_BLEND);

    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, GLuint(bound));
    glUseProgram(GLuint(program));

    Zephra::Platform::pumpOneEvent();
    Zephra::Platform::swapBuffers(window);
}
