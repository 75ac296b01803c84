// RGB pictures for the end-to-end checks: screenshots, and the reference
// images from data/ scaled to the size they have on screen.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Top row first, four bytes a pixel (alpha 255 in screenshots).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    const uint8_t* at(int x, int y) const { return &rgba[(size_t(y) * width + x) * 4]; }
    Picture crop(int x, int y, int w, int h) const;
};

// Parses a binary PPM (P6, maxval 255).
Picture parsePpm(const std::string& bytes);
void writePpm(const Picture& picture, const std::string& fileName);

// A data/ image scaled by area averaging to width x height, top row first,
// optionally mirrored left to right, as the game draws it.
Picture loadReference(const std::string& fileName, int width, int height, bool mirrored = false);

// Mean absolute colour difference of screen against reference over the
// reference's opaque pixels (alpha >= 250) that lie in flat patches, where
// the screen's filtering cannot change them much; 255 when there are none.
double opaqueDifference(const Picture& screen, const Picture& reference);

// The bounding box of the pixels that differ by more than threshold in any
// channel between two pictures of the same size; empty when none do.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
Box changedBox(const Picture& a, const Picture& b, int threshold);
// The bounding box of the reference's pixels with alpha above 0.
Box opaqueBox(const Picture& reference);

// The coverage (0-255, in every channel) that data/calibri.ttf at 20 pixels
// gives text printed from pen (x, y) into an 800 x 600 picture.
Picture renderText(const std::string& text, int x, int y);
