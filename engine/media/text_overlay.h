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

// The overlay image, up to date (see settle); only while the overlay exists.
Image& image();
// Whether image is the overlay image.
bool isImage(const Image& image);
// Adds text into the overlay with face from pen on, advancing pen, and
// notes where it went: clearing zeroes just that, a frame's few words, not
// the whole window.
void print(FontFace& face, Pen& pen, const char* text);
// Zeroes the image. Done lazily: while the prints that follow repeat the
// ones before the clear, the image and the texture are left alone.
void clear();
// Does a pending clear for real unless this frame's prints repeated all of
// the last frame's: the image then shows exactly what was printed since the
// clear.
void settle();
// Settles, and keeps face's text in the image from matching any later print:
// for a face about to be destroyed, whose address another may take.
void forget(const FontFace& face);
// Brings the texture's content up to the image's: the whole image the first
// time, afterwards only the area that text was added to or cleared from
// since the last upload (a frame's few words, not the whole window).
void upload();
// Adds the texture over the whole viewport: identity state matrices, blend
// One / InverseSourceColor, one quad; the program stays bound, blending off.
void draw();

}  // namespace TextOverlay
}  // namespace Zephra
