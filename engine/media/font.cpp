#include "media/font.h"

#include <cstdarg>
#include <cstdio>

#include "media/text_overlay.h"
#include "platform/window.h"
#include "render/device.h"
#include "utils/exceptions.h"

namespace Zephra {

namespace {

// Fonts alive now; the shared overlay lives exactly as long as one does.
int liveFonts = 0;

}  // namespace

void Font::initEngine() {
    FontFace::initLibrary();
    if (TextOverlay::exists())
        return;
    if (!Device::current)
        throw Exceptions::Exception("The font engine needs a rendering device.");
    Window& window = Device::current->getWindow();
    TextOverlay::create(window.getWidth(), window.getHeight());
}

Image* Font::overlayImage() {
    return TextOverlay::exists() ? &TextOverlay::image() : nullptr;
}

Font::EngineUse::EngineUse() {
    initEngine();
    ++liveFonts;
}

Font::EngineUse::~EngineUse() {
    if (--liveFonts == 0)
        TextOverlay::release();
}

Font::Font(Utils::InputStream& stream, int32_t pixelHeight) : face(stream, pixelHeight) {}

// The face goes first, then engineUse releases the overlay if this was the
// last font. The overlay stops matching prints to the face before that.
Font::~Font() {
    if (TextOverlay::exists())
        TextOverlay::forget(face);
}

void Font::print(Image& image, Pen& pen, const char* text) {
    if (TextOverlay::isImage(image))
        TextOverlay::print(face, pen, text);
    else
        face.print(image, pen, text);
}

void Font::printf(Pen& pen, const char* format, ...) {
    // Longer output is cut at 4,095 characters rather than overrunning.
    char buffer[4096];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    if (length < 0)
        buffer[0] = '\0';
    textChanged = true;
    TextOverlay::print(face, pen, buffer);
}

void Font::clear() {
    textChanged = true;
    TextOverlay::clear();
}

void Font::draw() {
    if (textChanged) {
        TextOverlay::upload();
        textChanged = false;
    }
    TextOverlay::draw();
}

}  // namespace Zephra
