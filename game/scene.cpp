#include "scene.h"

#include <GL/gl.h>

using namespace Zephra;

namespace {

const float StarSize = 0.1f;
const float CatSize = 0.2f;
const float HudIconSize = 0.05f;

void setTexture(Program& program, Texture& texture) {
    program.getParameter("texture").setTexture(texture);
}

void corner(float px, float py, float tu, float tv, float alpha) {
    vertex(VertexColor, 1.0f, 1.0f, 1.0f, alpha);
    vertex(VertexTexCoord0, tu, tv, 0.0f, 1.0f);
    vertex(VertexPosition, px, py, 0.0f, 1.0f);
}

// A full-screen quad: sky, ground and splash pages.
void drawScreenQuad(float y) { drawSprite(-1.0f, y, 2.0f, 2.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f); }

// A cat-sized picture centred on the world point (x, y).
void drawCatSized(const GameWorld& world, float x, float y, float uWidth) {
    const float height = CatSize * GameWorld::AspectRatio;
    drawSprite(x - CatSize / 2, y - height / 2 - world.cameraY, CatSize, height, 0.0f, 0.0f,
               uWidth, 1.0f, 1.0f);
}

Texture& starTexture(GameAssets& assets, StarKind kind) {
    switch (kind) {
    case StarKind::Gold: return *assets.goldStar;
    case StarKind::Wings: return *assets.wings;
    case StarKind::DoublePoints: return *assets.doublePoints;
    case StarKind::Plain: break;
    }
    return *assets.star;
}

Texture& catTexture(GameAssets& assets, const CatPicture& picture) {
    switch (picture.pose) {
    case CatPose::Jump: return *assets.jump[picture.frame];
    case CatPose::Walk: return *assets.walk[picture.frame - 1];
    case CatPose::Run: return *assets.run[picture.frame - 1];
    case CatPose::Standing: break;
    }
    return *assets.cat;
}

}  // namespace

void drawSprite(float x, float y, float width, float height, float u, float v, float uWidth,
                float vHeight, float alpha) {
    begin(Quads);
    corner(x, y, u, v, alpha);
    corner(x + width, y, u + uWidth, v, alpha);
    corner(x + width, y + height, u + uWidth, v + vHeight, alpha);
    corner(x, y + height, u, v + vHeight, alpha);
    glEnd();
}

void drawScene(GameWorld& world, CatAnimation& animation, GameAssets& assets, float dt) {
    Program& program = *assets.program;

    clear(All, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0);

    // The sky is opaque and drawn without blending.
    program.bind();
    setTexture(program, *assets.gradient);
    program.applyStateMatrices();
    drawScreenQuad(-1.0f);

    enable(Blend);
    setBlendFunc(SourceAlpha, InverseSourceAlpha);

    // The ground slides down as the camera rises and is gone at height 2.
    setTexture(program, *assets.ground);
    drawScreenQuad(-1.0f - world.cameraY);

    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    program.getParameter("color").setFloat4(white);

    const float starHeight = StarSize * GameWorld::AspectRatio;
    for (int i = 0; i < GameWorld::StarCount; ++i) {
        setTexture(program, starTexture(assets, world.starKinds[i]));
        drawSprite(world.starPositions[i].x - StarSize / 2,
                   world.starPositions[i].y - starHeight / 2 - world.cameraY, StarSize,
                   starHeight, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f);
    }

    const CatPicture picture = animation.choose(world.airborne, world.velX, world.velY, dt);
    const float uWidth = picture.mirrored ? -1.0f : 1.0f;
    if (world.wingsTime > 0.001f) {
        setTexture(program, *assets.flyingCat);
        drawCatSized(world, world.catX, world.catY, uWidth);
    }
    if (world.magicJumpEffectTime > 0.001f) {
        setTexture(program, *assets.magicJump);
        drawCatSized(world, world.magicJumpEffectX, world.magicJumpEffectY, uWidth);
    }
    setTexture(program, catTexture(assets, picture));
    drawCatSized(world, world.catX, world.catY, uWidth);
    world.endFrame(dt);

    // The magic-jump counter's icon, 20 x 20 pixels, 55 pixels from the top.
    setTexture(program, *assets.goldStar);
    drawSprite(-1.0f, 0.75f, HudIconSize, HudIconSize * GameWorld::AspectRatio, 0.0f, 0.0f, 1.0f, 1.0f,
               1.0f);

    disable(Blend);
}

void drawHudText(const GameWorld& world, Font& font) {
    font.clear();
    Pen points = {0, 20};
    font.printf(points, "Points: %i", world.points);
    Pen highscore = {0, 40};
    font.printf(highscore, "Highscore: %i", world.highscore);
    Pen magicJumps = {28, 70};  // just right of the icon
    font.printf(magicJumps, "%i", world.magicJumps);
    font.draw();
}

void drawSplashPage(Program& program, Texture& page) {
    enable(Blend);
    setBlendFunc(SourceAlpha, InverseSourceAlpha);
    setTexture(program, page);
    drawScreenQuad(-1.0f);
    disable(Blend);
}
