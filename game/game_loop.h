// One pass of the game's frame loop, split into its steps so that the
// benchmark can time each of them; runFrame runs them in the game's order.
// The loop owns nothing: the entry function creates everything it uses and
// keeps it alive for the whole run.
#pragma once

#include "cat_picture.h"
#include "game_assets.h"
#include "game_audio.h"
#include "game_input.h"
#include "game_world.h"

class GameLoop {
public:
    GameLoop(Zephra::Device& device, GameAssets& assets, GameWorld& world, Zephra::Timer& timer,
             GameAudio& audio, GameInput& input);

    // One whole pass. False when the program should end: the window was
    // asked to close, or Escape is down.
    bool runFrame();

    // The steps of a pass, in order.
    // Shows the frame drawn in the previous pass and handles at most one
    // window event; false once the close request has been taken.
    bool present();
    bool escapeRequested() { return input.isEscapeDown(); }
    // Reads the timer, keeps the music going, steers the cat and advances
    // the world; plays the point sound at each pick-up. Returns the frame
    // time the world used.
    float update();
    void drawScene(float dt);
    void drawText();
    // While the splash is up: a left click turns the page (and after the
    // second page ends the splash), and the current page is drawn on top.
    void drawSplash();

    bool isSplashActive() const { return splashActive; }

private:
    Zephra::Device& device;
    GameAssets& assets;
    GameWorld& world;
    Zephra::Timer& timer;
    GameAudio& audio;
    GameInput& input;

    CatAnimation animation;
    float frameStart = 0.0f;  // timer reading at the start of this pass
    float musicTime = 0.0f;   // game time since the music was last started
    bool splashActive = true;
    bool splashSecondPage = false;
};
