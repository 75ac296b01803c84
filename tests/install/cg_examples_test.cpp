// The Cg examples as their users run them: built against the installed Cg
// runtime (by cg_install_check.cmake), started from their folder, each
// writing its first frame to a file. Their pictures are checked where the
// colour and the shading are known.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Colour = std::array<int, 3>;

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // top row first
    Colour at(int x, int y) const {
        const unsigned char* p = &rgb[(size_t(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
    int brightness(int x, int y) const {
        Colour c = at(x, y);
        return c[0] + c[1] + c[2];
    }
};

// Runs the example and reads the frame it wrote; an empty picture (with a
// test failure) when it did not run or wrote no frame.
Picture snapshot(const std::string& example) {
    const std::string file = std::string(CG_CHECK_DIR) + "/" + example + ".ppm";
    std::remove(file.c_str());
    const std::string command = "cd '" ZEPHRA_SOURCE_DIR "/examples/cg' && CG_EXAMPLE_SNAPSHOT='" + file +
                                "' LD_LIBRARY_PATH='" CG_LIBRARY_DIR "' '" CG_CHECK_DIR "/examples/" +
                                example + "'";
    Picture picture;
    const int status = std::system(command.c_str());
    EXPECT_EQ(status, 0) << command;
    std::ifstream in(file, std::ios::binary);
    std::string magic;
    int maxValue = 0;
    in >> magic >> picture.width >> picture.height >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255 || picture.width != 256 || picture.height != 256) {
        ADD_FAILURE() << example << " wrote no 256 x 256 frame to " << file;
        return Picture{};
    }
    picture.rgb.assign(std::istreambuf_iterator<char>(in), {});
    if (picture.rgb.size() != size_t(picture.width) * picture.height * 3) {
        ADD_FAILURE() << example << " wrote a short frame";
        return Picture{};
    }
    return picture;
}

std::string describe(const Colour& c) {
    std::ostringstream out;
    out << c[0] << "," << c[1] << "," << c[2];
    return out.str();
}

// Each channel within `tolerance` of the expected 8-bit value.
void expectColour(const Picture& picture, int x, int y, const Colour& expected, int tolerance = 6) {
    const Colour actual = picture.at(x, y);
    for (int i = 0; i < 3; ++i)
        if (std::abs(actual[i] - expected[i]) > tolerance) {
            ADD_FAILURE() << "at (" << x << "," << y << "): " << describe(actual) << ", expected "
                          << describe(expected);
            return;
        }
}

Colour scaled(const Colour& c, double f) {
    return {int(c[0] * f + 0.5), int(c[1] * f + 0.5), int(c[2] * f + 0.5)};
}

}  // namespace

// Corner colours of the quad, interpolated, and the clear colour around it.
TEST(CgExamples, VertexColorsShowsEachCornersColour) {
    Picture p = snapshot("vertex_colors");
    if (p.rgb.empty()) return;
    expectColour(p, 4, 4, {26, 26, 26}, 2);
    expectColour(p, 30, 226, {255, 0, 0}, 12);   // bottom left
    expectColour(p, 226, 226, {0, 255, 0}, 12);  // bottom right
    expectColour(p, 226, 30, {0, 0, 255}, 12);   // top right
    expectColour(p, 30, 30, {255, 255, 255}, 12);
    // Between red and green the colour is a blend of both.
    Colour middle = p.at(128, 226);
    EXPECT_GT(middle[0], 80);
    EXPECT_GT(middle[1], 80);
    EXPECT_LT(middle[2], 20);
}

// Lit from up right in front: brightest there, with a white highlight, and
// only the ambient blue on the far side.
TEST(CgExamples, LitSphereIsShadedTowardsItsLight) {
    Picture p = snapshot("lit_sphere");
    if (p.rgb.empty()) return;
    expectColour(p, 4, 4, {0, 0, 0}, 0);
    int brightestX = 0, brightestY = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (p.brightness(x, y) > p.brightness(brightestX, brightestY)) {
                brightestX = x;
                brightestY = y;
            }
    EXPECT_GT(brightestX, 128);
    EXPECT_LT(brightestY, 128);
    const Colour highlight = p.at(brightestX, brightestY);
    EXPECT_GT(std::min({highlight[0], highlight[1], highlight[2]}), 200) << describe(highlight);
    // Ambient only: 0.2 of the ambient material colour (0.3, 0.3, 0.6).
    expectColour(p, 80, 176, {15, 15, 31}, 4);
    // Brighter and brighter along the diagonal towards the light.
    EXPECT_LT(p.brightness(95, 161), p.brightness(115, 141));
    EXPECT_LT(p.brightness(115, 141), p.brightness(135, 121));
    const Colour lit = p.at(135, 121);
    EXPECT_GT(lit[2], lit[0]);  // a blue material
}

// Orange and blue checks, eight a side, darker on the left than on the
// right: both textures reach the fragment program, bound by the runtime.
TEST(CgExamples, TexturedQuadShowsTheDecalUnderTheLightMap) {
    Picture p = snapshot("textured_quad");
    if (p.rgb.empty()) return;
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column) {
            const int x = column * 32 + 16, y = 255 - (row * 32 + 16);
            const Colour c = p.at(x, y);
            const bool orange = (row + column) % 2 == 0;
            EXPECT_EQ(orange, c[0] > c[2]) << "check " << column << "," << row << ": " << describe(c);
        }
    // Along the bottom row: the light map's grey, from about a quarter to full.
    const double leftLight = (64 + 16 * 191 / 63.0 * 63 / 255.0) / 255.0;
    expectColour(p, 16, 239, scaled({255, 150, 0}, leftLight), 12);
    expectColour(p, 240, 239, scaled({40, 90, 255}, 0.97), 12);
    EXPECT_LT(p.brightness(16, 239), p.brightness(208, 239));  // orange on both
}

// The six walls of the cube map, each seen where the reflected ray meets it.
TEST(CgExamples, ReflectionMirrorsEachWallOfTheCubeMap) {
    Picture p = snapshot("reflection");
    if (p.rgb.empty()) return;
    // lerp(grey 0.5, wall, 0.8)
    auto mirrored = [](const Colour& wall) {
        return Colour{int(0.2 * 127.5 + 0.8 * wall[0] + 0.5), int(0.2 * 127.5 + 0.8 * wall[1] + 0.5),
                      int(0.2 * 127.5 + 0.8 * wall[2] + 0.5)};
    };
    expectColour(p, 4, 4, {13, 13, 13}, 2);
    expectColour(p, 128, 128, mirrored({40, 60, 230}));   // +Z, back at the viewer
    expectColour(p, 175, 128, mirrored({230, 30, 30}));   // +X
    expectColour(p, 81, 128, mirrored({30, 220, 220}));   // -X
    expectColour(p, 128, 81, mirrored({30, 200, 30}));    // +Y, up
    expectColour(p, 128, 175, mirrored({210, 30, 210}));  // -Y
    expectColour(p, 128, 206, mirrored({230, 220, 30}));  // -Z, at the rim
}

// The slide's four squares in their own colours, where the projector's
// frustum meets the wall: a projective lookup, not a depth comparison.
TEST(CgExamples, ProjectorThrowsTheSlideInItsColours) {
    Picture p = snapshot("projector");
    if (p.rgb.empty()) return;
    const Colour wall = {51, 51, 51};
    expectColour(p, 60, 200, wall);
    expectColour(p, 100, 90, wall);     // left of the projected slide
    expectColour(p, 150, 20, wall);     // above it
    expectColour(p, 147, 126, {255, 51, 51});  // bottom left: red
    expectColour(p, 211, 126, {51, 255, 51});  // bottom right: green
    expectColour(p, 147, 62, {51, 51, 255});   // top left: blue
    expectColour(p, 211, 62, {255, 255, 51});  // top right: yellow
}

// Only three tones of the paint and the ink: no smooth shading between them.
TEST(CgExamples, ToonPaintsInThreeTonesAndInk) {
    Picture p = snapshot("toon");
    if (p.rgb.empty()) return;
    const Colour paint = {255, 140, 26};
    const std::vector<Colour> tones = {paint, scaled(paint, 0.6), scaled(paint, 0.3), {13, 13, 26}};
    const Colour background = p.at(2, 2);
    expectColour(p, 2, 2, {230, 230, 217}, 2);
    std::vector<int> counts(tones.size(), 0);
    int others = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const Colour c = p.at(x, y);
            if (c == background) continue;
            bool matched = false;
            for (size_t t = 0; t < tones.size() && !matched; ++t)
                if (std::abs(c[0] - tones[t][0]) <= 3 && std::abs(c[1] - tones[t][1]) <= 3 &&
                    std::abs(c[2] - tones[t][2]) <= 3) {
                    ++counts[t];
                    matched = true;
                }
            others += matched ? 0 : 1;
        }
    for (size_t t = 0; t < tones.size(); ++t)
        EXPECT_GT(counts[t], 200) << "tone " << describe(tones[t]);
    EXPECT_EQ(others, 0);
}
