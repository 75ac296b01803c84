// Fonts and the shared text overlay. A Font renders text through FreeType
// into images; besides, all fonts share one window-sized Luminance8 overlay
// that the game clears, prints its lines into and lays over each frame with
// an additive blend (text brightens the frame in proportion to coverage).
//
// Needs a current rendering device when the first font is built: the overlay
// takes the size of the device's window and owns a texture and a program.
#pragma once

#include <cstdint>

#include "media/font_face.h"
#include "media/image.h"
#include "utils/streams.h"

namespace Zephra {

class Font {
public:
    // Loads the whole stream as a font file (any format FreeType opens) at
    // pixelHeight pixels, creating the shared overlay on first use. Throws
    // Exceptions::Exception: "Font engine could not be initialized.",
    // "Unknown font file format.", "Error creating font.", "Error setting
    // font size. The font might not support the desired size.", "Error
    // setting font pixel size.", or the shader compiler's error.
    Font(Utils::InputStream& stream, int32_t pixelHeight);
    // The overlay goes with the last font alive; a later font makes a new one.
    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    // Adds text into a Luminance8 or RGBA8 image from pen on (see FontFace).
    // Throws "Unsupported pixeltype of image for Font::print()" otherwise.
    void print(Image& image, Pen& pen, const char* text);
    // Formats like printf (output cut at 4,095 characters) and prints the
    // result into the overlay; marks the overlay changed.
    void printf(Pen& pen, const char* format, ...) __attribute__((format(printf, 3, 4)));
    // Zeroes the overlay and marks it changed.
    void clear();
    // Uploads the overlay if it changed since this font last drew it, then
    // adds it over the whole viewport. Leaves the overlay program bound,
    // blending off and the state matrices at identity.
    void draw();

    // Creates the FreeType library and the shared overlay unless they exist.
    static void initEngine();
    // The shared overlay image (row 0 is the top of the screen), for callers
    // that want to read back what was printed: up to date when this returns,
    // so ask again after printing. Null while no font exists.
    // Write into it only through print: clear zeroes just the area that
    // printing touched.
    static Image* overlayImage();

private:
    // Holds the shared overlay while this font lives; built before the face,
    // so that the engine is up before the font file is read.
    struct EngineUse {
        EngineUse();
        ~EngineUse();
    };

    EngineUse engineUse;
    FontFace face;
    bool textChanged = true;
};

}  // namespace Zephra
