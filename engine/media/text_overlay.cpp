#include "media/text_overlay.h"

#include <algorithm>
#include <memory>

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

}  // namespace

bool exists() {
    return textImage != nullptr;
}

void create(int32_t width, int32_t height) {
    try {
        textImage.reset(new BitmapImage(width, height, Luminance8));
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
    textImage.reset();
    textProgram.reset();
    textTexture.reset();
}

Image& image() {
    return *textImage;
}

void noteInked(const ImageArea& area) {
    inked.add(area);
    stale.add(area);
}

void clear() {
    if (inked.empty())
        return;
    const size_t rowBytes = size_t(textImage->getWidth());
    for (int32_t row = inked.top; row < inked.bottom; ++row)
        std::fill_n(textImage->getData() + size_t(row) * rowBytes + size_t(inked.left),
                    size_t(inked.right - inked.left), 0);
    stale.add(inked);
    inked = ImageArea();
}

void upload() {
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
