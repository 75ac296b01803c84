// The one text overlay all fonts share: a window-sized Luminance8 image, the
// texture it is uploaded into and the program that lays it over the frame.
// Internal to the font system; Font is its only user.
#pragma once

#include <cstdint>

#include "media/font_face.h"
#include "media/image.h"

namespace Zephra {
namespace TextOverlay {

// Whether the overlay exists.
bool exists();
// Creates the overlay for a width x height window: a zeroed image, the
// program from the built-in sources and a linearly filtered texture. On a
// throw nothing is left behind.
void create(int32_t width, int32_t height);
// Deletes the image, the program and the texture.
void release();

// The overlay image; only while the overlay exists.
Image& image();
// Notes an area that text was added to. Only there can text be, so
// clearing zeroes just that: a frame's few words, not the whole window.
void noteInked(const ImageArea& area);
// Zeroes the image (the area noted since the last clear).
void clear();
// Brings the texture's content up to the image's: the whole image the first
// time, afterwards only the area that text was added to or cleared from
// since the last upload (a frame's few words, not the whole window).
void upload();
// Adds the texture over the whole viewport: identity state matrices, blend
// One / InverseSourceColor, one quad; the program stays bound, blending off.
void draw();

}  // namespace TextOverlay
}  // namespace Zephra
