// The floor the game's frame rate is measured against: the quads the game
// draws for a world state and the same 800 x 600 text overlay, sent straight
// to OpenGL's fixed pipeline with none of the engine or game code in between.
// The overlay is uploaded either every frame, or once, as the engine does
// while the HUD's text stays the same.
#pragma once

#include <cstdint>
#include <vector>

#include "game_assets.h"
#include "game_world.h"

class FloorFrame {
public:
    enum class OverlayUpload { EachFrame, Once };

    // Draws with the game's own textures and uploads a copy of the game's
    // text overlay as it is now; creates its overlay texture in the current
    // context (and, uploading once, fills it there).
    FloorFrame(const GameAssets& assets, Zephra::Image& overlayImage, OverlayUpload upload);
    ~FloorFrame();

    // One frame of world as the game would draw it: clear, sky, ground,
    // stars, cat, HUD icon, overlay (upload and) quad, then one event taken and
    // the buffers swapped. Leaves the program and texture bindings as it
    // found them, so that the game can go on.
    void draw(const GameWorld& world, Zephra::Window& window);

private:
    void uploadOverlay();

    const GameAssets& assets;
    OverlayUpload upload;
    uint32_t overlay = 0;
    int width, height;
    std::vector<uint8_t> overlayPixels;  // Luminance8, one byte a pixel
};
