// The floor the game's frame rate is measured against: the same quads the
// game draws and the same 800 x 600 text overlay uploaded every frame, sent
// straight to OpenGL's fixed pipeline with none of the engine or game code.
#pragma once

#include <cstdint>
#include <vector>

#include "zephra.h"

class FloorFrame {
public:
    // Draws with the game's own textures and uploads a copy of the game's
    // text overlay as it is now; creates its overlay texture in the current
    // context.
    FloorFrame(const std::vector<uint32_t>& spriteTextures, uint32_t skyTexture,
               Zephra::Image& overlayImage);
    ~FloorFrame();

    // One frame: clear, sky, the blended sprites, overlay upload and quad,
    // then one event taken and the buffers swapped. Leaves the program and
    // texture bindings as it found them, so that the game can go on.
    void draw(Zephra::Window& window);

private:
    std::vector<uint32_t> sprites;
    uint32_t sky;
    uint32_t overlay = 0;
    int width, height;
    std::vector<uint8_t> overlayPixels;  // Luminance8, one byte a pixel
};
