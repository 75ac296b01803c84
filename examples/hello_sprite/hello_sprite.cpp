// Hello, sprite: a window, a spinning textured sprite drawn through a Cg
// program that places it with the engine's state matrices, and a line of
// text. Escape or closing the window ends it.
#include <GL/gl.h>

#include <cmath>

#include <zephra.h>

using namespace Zephra;

namespace {

const int Width = 800, Height = 600;

// StateComplete is projection * view * world, filled in by the engine.
const char* const SpriteSource = R"(
float4x4 StateComplete;
sampler2D picture;

struct Corner { float4 position : POSITION; float2 uv : TEXCOORD0; };

Corner vsMain(float4 position : POSITION, float2 uv : TEXCOORD0) {
    Corner corner;
    corner.position = mul(StateComplete, position);
    corner.uv = uv;
    return corner;
}

float4 psMain(float2 uv : TEXCOORD0) : COLOR { return tex2D(picture, uv); }
)";

// An orange ball with a white band, so that its turning shows, on a
// transparent ground.
void paintBall(BitmapImage& image) {
    const int size = image.getWidth();
    const float middle = (size - 1) / 2.0f;
    unsigned char* pixel = image.getData();
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x, pixel += 4) {
            const float d = std::hypot(x - middle, y - middle) / middle;
            const bool band = std::fabs(y - middle) < size / 10.0f;
            pixel[0] = 255;
            pixel[1] = band ? 255 : d > 0.8f ? 120 : 170;
            pixel[2] = band ? 255 : d > 0.8f ? 20 : 60;
            // A one-pixel ramp at the edge keeps the outline smooth.
            const float edge = (1.0f - d) * middle + 0.5f;
            pixel[3] = static_cast<unsigned char>(255.0f * std::fmin(std::fmax(edge, 0.0f), 1.0f));
        }
    }
}

// Pixels to clip space: x to the right, y up, origin in the window's centre.
void setPixelProjection() {
    resetStateMatrices();
    stateProjection.at(0, 0) = 2.0f / Width;
    stateProjection.at(1, 1) = 2.0f / Height;
}

// Turns the sprite by angle about its centre.
void setSpin(float angle) {
    stateWorld.setIdentity();
    stateWorld.at(0, 0) = std::cos(angle);
    stateWorld.at(0, 1) = -std::sin(angle);
    stateWorld.at(1, 0) = std::sin(angle);
    stateWorld.at(1, 1) = std::cos(angle);
    stateWorldChanged = true;
}

void drawSquare(float half) {
    begin(Quads);
    vertex(VertexTexCoord0, 0, 0, 0, 1);
    vertex(VertexPosition, -half, -half, 0, 1);
    vertex(VertexTexCoord0, 1, 0, 0, 1);
    vertex(VertexPosition, half, -half, 0, 1);
    vertex(VertexTexCoord0, 1, 1, 0, 1);
    vertex(VertexPosition, half, half, 0, 1);
    vertex(VertexTexCoord0, 0, 1, 0, 1);
    vertex(VertexPosition, -half, half, 0, 1);
    glEnd();
}

}  // namespace

int main() {
    try {
        Window window(Width, Height, true);
        Device device(window, 24, 8, 0, 0);
        BitmapImage ball(128, 128, RGBA8);
        paintBall(ball);
        Texture texture(ball, Linear);
        Program program(SpriteSource, "vsMain", "psMain");
        Utils::File fontFile(HELLO_SPRITE_FONT, Utils::Read);
        Font font(fontFile, 24);
        Timer timer;
        timer.reset();

        while (device.update() && !isKeyDown(KeyEnum::Escape)) {
            clear(All, 0.1f, 0.15f, 0.35f, 1.0f, 1.0f, 0);
            enable(Blend);
            setBlendFunc(SourceAlpha, InverseSourceAlpha);
            program.bind();
            program.getParameter("picture").setTexture(texture);
            setPixelProjection();
            setSpin(timer.getTime());
            program.applyStateMatrices();
            drawSquare(100.0f);

            font.clear();
            Pen pen{20, 40};
            font.printf(pen, "Hello from Zephra! Escape ends.");
            font.draw();
        }
    } catch (const Exceptions::Exception& e) {
        showErrorBox("Error", e.getMessage());
        return 1;
    }
    return 0;
}
