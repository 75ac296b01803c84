#include "media/text_overlay.h"

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <GL/gl.h>

#include "render/matrix.h"
#include "render/program.h"
#include "render/render_state.h"
#include "render/texture.h"

namespace Zephra {
namespace TextOverlay {

namespace {

// Position and texture coordinate pass through untransformed: the quad is
// given in clip coordinates.
const char* const vertexSource =
    "struct VSOut { float4 pos: POSITION; float2 tc: TEXCOORD; }; "
    "VSOut vsMain(float4 pos: POSITION, float2 tc: TEXCOORD) "
    "{ VSOut OUT; OUT.pos = pos; OUT.tc = tc; return OUT; }";
// A luminance texel L samples as (L, L, L, 1).
const char* const fragmentSource =
    "sampler2D tex; float4 psMain(float2 tc: TEXCOORD): COLOR { return tex2D(tex, tc); }";

std::unique_ptr<BitmapImage> textImage;
std::unique_ptr<Program> textProgram;
std::unique_ptr<Texture> textTexture;
// The area that may be other than 0; the rest of the image is known to be.
ImageArea inked;
// The area that may differ from the texture's, once the first upload has
// given the texture its storage.
ImageArea stale;

// A game clears the overlay and prints the same lines into it frame after
// frame, mostly unchanged. So a clear only takes note of what the image
// shows, and the prints after it are compared with that: while they repeat
// it (same face, same pen, same text, in the same order) the image stays as
// it is. The first print that differs, or a read of the image or an upload
// with fewer lines printed, does the clear for real and prints this frame's
// lines again. Outside a pending clear, the image shows exactly `printed`.
struct Printed {
    FontFace* face;  // null once the face is gone: it matches nothing
    Pen from, to;
    std::string text;
};
std::vector<Printed> printed;      // since the last clear, in order
std::vector<Printed> beforeClear;  // what the image shows while a clear is pending
size_t repeated = 0;               // how many of beforeClear this frame printed alike
bool clearPending = false;
// A program that prints without ever clearing would grow the record without
// end: past this many lines it is dropped, and the next clear is done at once.
constexpr size_t MostLinesKept = 1024;
bool tooManyLines = false;

void forgetPrints() {
    printed.clear();
    beforeClear.clear();
    repeated = 0;
    clearPending = false;
    tooManyLines = false;
}

void zeroInked() {
    if (inked.empty())
        return;
    const size_t rowBytes = size_t(textImage->getWidth());
    for (int32_t row = inked.top; row < inked.bottom; ++row)
        std::fill_n(textImage->getData() + size_t(row) * rowBytes + size_t(inked.left),
                    size_t(inked.right - inked.left), 0);
    stale.add(inked);
    inked = ImageArea();
}

void printNow(FontFace& face, Pen& pen, const char* text) {
    ImageArea touched;
    face.print(*textImage, pen, text, &touched);
    inked.add(touched);
    stale.add(touched);
}

}  // namespace

bool exists() {
    return textImage != nullptr;
}

void create(int32_t width, int32_t height) {
    try {
        textImage.reset(new BitmapImage(width, height, Luminance8));
        forgetPrints();
        inked = ImageArea();
        stale = ImageArea();
        textProgram.reset(new Program(vertexSource, fragmentSource, "vsMain", "psMain"));
        textTexture.reset(new Texture());
        textTexture->setFilter(Linear);
    } catch (...) {
        release();
        throw;
    }
}

void release() {
    forgetPrints();
    textImage.reset();
    textProgram.reset();
    textTexture.reset();
}

Image& image() {
    settle();
    return *textImage;
}

bool isImage(const Image& image) {
    return textImage && &image == textImage.get();
}

void print(FontFace& face, Pen& pen, const char* text) {
    const std::string_view line = text ? text : "";
    if (clearPending && repeated < beforeClear.size()) {
        Printed& was = beforeClear[repeated];
        if (was.face == &face && was.from.x == pen.x && was.from.y == pen.y && was.text == line) {
            pen = was.to;
            // beforeClear's entries are compared once; only its length counts later.
            printed.push_back(std::move(was));
            ++repeated;
            return;
        }
    }
    settle();
    const Pen from = pen;
    printNow(face, pen, text);
    if (printed.size() >= MostLinesKept)
        tooManyLines = true;
    if (tooManyLines) {
        printed.clear();
        return;
    }
    printed.push_back(Printed{&face, from, pen, std::string(line)});
}

void clear() {
    settle();
    if (tooManyLines) {
        zeroInked();
        forgetPrints();
        return;
    }
    std::swap(beforeClear, printed);
    printed.clear();
    repeated = 0;
    clearPending = true;
}

void settle() {
    if (!clearPending)
        return;
    clearPending = false;
    if (repeated == beforeClear.size())
        return;  // the image already shows exactly this frame's lines
    zeroInked();
    for (Printed& line : printed) {
        if (!line.face)
            continue;
        Pen pen = line.from;
        printNow(*line.face, pen, line.text.c_str());
    }
}

void forget(const FontFace& face) {
    settle();
    beforeClear.clear();
    for (Printed& line : printed)
        if (line.face == &face)
            line.face = nullptr;
}

void upload() {
    settle();
    if (textTexture->getWidth() != textImage->getWidth()) {
        textTexture->load(*textImage, Linear);
    } else if (!stale.empty()) {
        const size_t rowBytes = size_t(textImage->getWidth());
        textTexture->replaceArea(stale.left, stale.top, stale.right - stale.left,
                                 stale.bottom - stale.top,
                                 textImage->getData() + size_t(stale.top) * rowBytes +
                                     size_t(stale.left),
                                 textImage->getWidth());
    }
    stale = ImageArea();
}

void draw() {
    resetStateMatrices();
    enable(Blend);
    // source + destination * (1 - source): brightens where there is text,
    // leaves the frame alone where coverage is 0.
    setBlendFunc(One, InverseSourceColor);
    textProgram->bind();
    textProgram->applyStateMatrices();
    textProgram->getParameter("tex").setTexture(*textTexture);

    // Texture row 0, the image's first row, lands at the top of the screen,
    // so pens count downwards like the screen.
    begin(Quads);
    vertex(VertexTexCoord0, 0, 1, 0, 1);
    vertex(VertexPosition, -1, -1, 0, 1);
    vertex(VertexTexCoord0, 1, 1, 0, 1);
    vertex(VertexPosition, 1, -1, 0, 1);
    vertex(VertexTexCoord0, 1, 0, 0, 1);
    vertex(VertexPosition, 1, 1, 0, 1);
    vertex(VertexTexCoord0, 0, 0, 0, 1);
    vertex(VertexPosition, -1, 1, 0, 1);
    glEnd();
    disable(Blend);
}

}  // namespace TextOverlay
}  // namespace Zephra
