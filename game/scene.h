// Drawing one frame of the game: the sky, the scrolling ground, the stars,
// the cat, the HUD, and the splash page over everything while it is up.
// Screen positions are normalised device coordinates (x and y from -1 to 1,
// y up); a world point (x, y) is shown at (x, y - cameraY).
#pragma once

#include "cat_picture.h"
#include "game_assets.h"
#include "game_world.h"

// One textured quad with whatever texture is set on the bound program.
// (u, v) is the texture coordinate at (x, y); a negative uWidth mirrors the
// picture left to right on a repeating texture.
void drawSprite(float x, float y, float width, float height, float u, float v, float uWidth,
                float vHeight, float alpha);

// Clears the frame and draws the world and the HUD icon with the game's
// program. Advances the cat's walk and run animation by dt and counts the
// magic-jump picture's time down by dt; nothing else in the world changes.
void drawScene(GameWorld& world, CatAnimation& animation, GameAssets& assets, float dt);

// The three HUD text lines, laid over the frame through the font's overlay.
void drawHudText(const GameWorld& world, Zephra::Font& font);

// A splash page over the whole screen, blended by its own alpha. The page is
// set on the game's program, whichever program is bound (the text overlay's
// is, after the HUD text).
void drawSplashPage(Zephra::Program& program, Zephra::Texture& page);
