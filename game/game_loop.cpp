#include "game_loop.h"

#include "scene.h"

namespace {
// The music is started again after this much game time, whatever its length.
const float MusicPeriod = 64.0f;
// A click on a splash page holds the program this long, so that one click
// does not turn both pages.
const float SplashClickPause = 0.3f;
}  // namespace

GameLoop::GameLoop(Zephra::Device& device, GameAssets& assets, GameWorld& world,
                   Zephra::Timer& timer, GameAudio& audio, GameInput& input)
    : device(device), assets(assets), world(world), timer(timer), audio(audio), input(input) {}

bool GameLoop::runFrame() {
    if (!present()) return false;
    if (escapeRequested()) return false;
    const float dt = update();
    drawScene(dt);
    drawText();
    drawSplash();
    return true;
}

bool GameLoop::present() { return device.update(); }

float GameLoop::update() {
    frameStart = timer.getTime();
    const float frameTime = timer.getDelta();

    musicTime += GameWorld::clampFrameTime(frameTime);
    if (musicTime > MusicPeriod) {
        musicTime = 0.0f;
        audio.playMusic();
    }

    FrameInput frame;
    frame.frameTime = frameTime;
    input.getCursor(frame.cursorX, frame.cursorY);
    frame.leftButton = [this] { return input.isLeftButtonDown(); };
    frame.rightButton = [this] { return input.isRightButtonDown(); };
    frame.splashActive = splashActive;
    return world.update(frame, [this](const Pickup&) { audio.playPoint(); });
}

void GameLoop::drawScene(float dt) { ::drawScene(world, animation, assets, dt); }

void GameLoop::drawText() { drawHudText(world, *assets.font); }

void GameLoop::drawSplash() {
    if (!splashActive) return;
    if (input.isLeftButtonDown()) {
        if (splashSecondPage) splashActive = false;
        while (timer.getTime() < frameStart + SplashClickPause) {
        }
        splashSecondPage = true;
    }
    drawSplashPage(*assets.program, splashSecondPage ? *assets.splash2 : *assets.splash);
}
