// The Font with its shared overlay, on a real device under the X server:
// printf into the overlay, the upload rule and the additive draw.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <string>
#include <vector>

#include "font_test_support.h"
#include "platform/window.h"
#include "zephra.h"

using namespace Zephra;

namespace {

class FontOverlayTest : public ::testing::Test {
protected:
    static constexpr int width = 320;
    static constexpr int height = 240;

    static void SetUpTestSuite() {
        window = std::make_unique<Window>(width, height, true);
        device = std::make_unique<Device>(*window, 24, 8, 0, 0);
    }
    static void TearDownTestSuite() {
        device.reset();
        window.reset();
    }

    void SetUp() override {
        BytesStream stream(carlitoBytes());
        font = std::make_unique<Font>(stream, 20);
    }
    void TearDown() override { font.reset(); }

    // The back buffer, rows from the top like the overlay image, RGBA.
    static std::vector<unsigned char> frame() {
        std::vector<unsigned char> bottomUp(size_t(width) * height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
        std::vector<unsigned char> topDown(bottomUp.size());
        for (int y = 0; y < height; ++y)
            std::copy_n(&bottomUp[size_t(height - 1 - y) * width * 4], width * 4,
                        &topDown[size_t(y) * width * 4]);
        return topDown;
    }

    // A window-sized Luminance8 image's bytes.
    static std::vector<unsigned char> pixels(Image& image) {
        return std::vector<unsigned char>(image.getData(),
                                          image.getData() + size_t(width) * height);
    }
    static std::vector<unsigned char> overlay() { return pixels(*Font::overlayImage()); }

    // Whether the frame shows any text (bright pixels on the black frame).
    static bool frameShowsText() {
        for (unsigned char byte : frame())
            if (byte > 0 && byte < 255)
                return true;
        return false;
    }

    // The advance of one character, measured through print.
    int32_t advanceOf(const char* character) {
        BitmapImage scratch(1, 1, Luminance8);
        Pen pen{0, 0};
        font->print(scratch, pen, character);
        return pen.x;
    }

    static inline std::unique_ptr<Window> window;
    static inline std::unique_ptr<Device> device;
    std::unique_ptr<Font> font;
};

}  // namespace

TEST_F(FontOverlayTest, OverlayIsAZeroedLuminanceImageTheSizeOfTheWindow) {
    Image* image = Font::overlayImage();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->getWidth(), width);
    EXPECT_EQ(image->getHeight(), height);
    EXPECT_EQ(image->getPixelType(), Luminance8);
    EXPECT_EQ(overlay(), std::vector<unsigned char>(size_t(width) * height, 0));
}

TEST_F(FontOverlayTest, PrintfFormatsIntoTheOverlayAndClearWipesIt) {
    Pen pen{0, 20};
    font->printf(pen, "Points: %i", 1234);
    EXPECT_EQ(pen.x, advanceOf("Points: 1234"));
    EXPECT_EQ(pen.y, 20);

    BitmapImage expected(width, height, Luminance8);
    Pen same{0, 20};
    font->print(expected, same, "Points: 1234");
    EXPECT_EQ(overlay(), pixels(expected));

    font->clear();
    EXPECT_EQ(overlay(), std::vector<unsigned char>(size_t(width) * height, 0));
}

// Longer output is cut at 4,095 characters instead of overrunning the
// buffer (the sanitizer run would show an overrun).
TEST_F(FontOverlayTest, PrintfCutsOutputAt4095Characters) {
    const std::string line(5000, 'i');
    Pen pen{0, 20};
    font->printf(pen, "%s", line.c_str());
    EXPECT_EQ(pen.x, 4095 * advanceOf("i"));
}

TEST_F(FontOverlayTest, DrawUploadsOnlyAfterAChange) {
    Zephra::clear(All, 0, 0, 0, 1, 1, 0);
    font->clear();
    font->draw();
    EXPECT_FALSE(frameShowsText());

    // print marks nothing: the text sits in the image but is not uploaded.
    Pen pen{10, 40};
    font->print(*Font::overlayImage(), pen, "Highscore: 99");
    Zephra::clear(All, 0, 0, 0, 1, 1, 0);
    font->draw();
    EXPECT_FALSE(frameShowsText());

    // An empty printf still counts as a change, so the next draw uploads.
    Pen empty{0, 0};
    font->printf(empty, "%s", "");
    EXPECT_EQ(empty.x, 0);
    Zephra::clear(All, 0, 0, 0, 1, 1, 0);
    font->draw();
    EXPECT_TRUE(frameShowsText());
}

// Later frames upload only the rows that changed: text that moved leaves
// nothing behind on the screen, and text printed with print into the overlay
// is wiped by clear as printf's is.
TEST_F(FontOverlayTest, MovedTextLeavesNothingBehind) {
    font->clear();
    Pen top{0, 20};
    font->printf(top, "Points: %i", 10);
    font->draw();

    font->clear();
    Pen low{0, 200};
    font->printf(low, "Points: %i", 20);
    Pen other{40, 120};
    font->print(*Font::overlayImage(), other, "99");
    Zephra::clear(All, 0, 0, 0, 1, 1, 0);
    font->draw();
    const std::vector<unsigned char> shown = frame();
    const std::vector<unsigned char> coverage = overlay();
    for (size_t i = 0; i < coverage.size(); ++i)
        ASSERT_NEAR(shown[i * 4], coverage[i], 1) << "pixel " << i % width << ", " << i / width;
    const std::vector<unsigned char> topRows(coverage.begin(), coverage.begin() + 100 * width);
    EXPECT_EQ(topRows, std::vector<unsigned char>(topRows.size(), 0));

    font->clear();
    EXPECT_EQ(overlay(), std::vector<unsigned char>(size_t(width) * height, 0));
    Zephra::clear(All, 0, 0, 0, 1, 1, 0);
    font->draw();
    EXPECT_FALSE(frameShowsText());
}

// A game clears the overlay and prints its lines again every frame. Whether
// a frame's lines repeat the last frame's, change, go or come, the overlay
// and the screen show exactly that frame's lines.
TEST_F(FontOverlayTest, EachFrameShowsExactlyItsOwnLines) {
    struct Line {
        Pen pen;
        const char* text;
    };
    const std::vector<std::vector<Line>> frames = {
        {{{0, 20}, "Points: 10"}, {{0, 40}, "Highscore: 99"}, {{28, 70}, "3"}},
        {{{0, 20}, "Points: 10"}, {{0, 40}, "Highscore: 99"}, {{28, 70}, "3"}},
        {{{0, 20}, "Points: 10"}, {{0, 40}, "Highscore: 100"}, {{28, 70}, "3"}},
        {{{0, 20}, "Points: 10"}, {{0, 40}, "Highscore: 100"}},
        {{{0, 20}, "Points: 10"}, {{0, 40}, "Highscore: 100"}, {{28, 70}, "2"}, {{90, 150}, "Go"}},
        {{{6, 20}, "Points: 10"}, {{0, 40}, "Highscore: 100"}, {{28, 70}, "2"}, {{90, 150}, "Go"}},
        {},
        {{{0, 20}, "Points: 10"}},
    };
    for (size_t f = 0; f < frames.size(); ++f) {
        SCOPED_TRACE("frame " + std::to_string(f));
        font->clear();
        BitmapImage expected(width, height, Luminance8);
        for (const Line& line : frames[f]) {
            Pen pen = line.pen, alone = line.pen;
            font->printf(pen, "%s", line.text);
            font->print(expected, alone, line.text);
            EXPECT_EQ(pen.x, alone.x) << line.text;
        }
        ASSERT_EQ(overlay(), pixels(expected));
        Zephra::clear(All, 0, 0, 0, 1, 1, 0);
        font->draw();
        const std::vector<unsigned char> shown = frame();
        for (size_t i = 0; i < size_t(width) * height; ++i)
            ASSERT_NEAR(shown[i * 4], expected.getData()[i], 1)
                << "pixel " << i % width << ", " << i / width;
    }
}

// A program may print without ever clearing; its text piles up, and a
// clear after thousands of lines still wipes it all.
TEST_F(FontOverlayTest, ClearWipesAPileOfLinesNeverClearedBefore) {
    font->clear();
    for (int i = 0; i < 3000; ++i) {
        Pen pen{i % 200, 20 + i % 200};
        font->printf(pen, "%i", i);
    }
    font->clear();
    EXPECT_EQ(overlay(), std::vector<unsigned char>(size_t(width) * height, 0));
    Pen pen{0, 20};
    font->printf(pen, "%i", 1);
    font->clear();
    Pen again{0, 20};
    font->printf(again, "%i", 2);
    BitmapImage expected(width, height, Luminance8);
    Pen alone{0, 20};
    font->print(expected, alone, "2");
    EXPECT_EQ(overlay(), pixels(expected));
}

// Lines are told apart by the face that printed them too: a font that takes
// the place of one that is gone draws the same line at the same pen with its
// own glyphs.
TEST_F(FontOverlayTest, TheSameLineFromAnotherFontIsDrawnWithItsGlyphs) {
    BytesStream bigBytes(carlitoBytes());
    auto big = std::make_unique<Font>(bigBytes, 40);
    font->clear();
    Pen pen{0, 60};
    big->printf(pen, "Points: 1");
    big->draw();
    big.reset();

    BytesStream otherBytes(carlitoBytes());
    auto other = std::make_unique<Font>(otherBytes, 24);
    font->clear();
    Pen again{0, 60};
    other->printf(again, "Points: 1");
    BitmapImage expected(width, height, Luminance8);
    Pen alone{0, 60};
    other->print(expected, alone, "Points: 1");
    EXPECT_EQ(again.x, alone.x);
    EXPECT_EQ(overlay(), pixels(expected));
}

// Over a coloured frame, each channel becomes d + L (1 - d) for the overlay's
// coverage L: brighter exactly where there is coverage, unchanged elsewhere.
TEST_F(FontOverlayTest, DrawBrightensExactlyThePixelsWithCoverage) {
    const float background[3] = {0.2f, 0.4f, 0.6f};
    Zephra::clear(All, background[0], background[1], background[2], 1, 1, 0);
    const std::vector<unsigned char> before = frame();
    font->clear();
    Pen first{4, 20}, second{4, 60}, third{250, 230};
    font->printf(first, "Points: %i", 120);
    font->printf(second, "Highscore: %i", 4711);
    font->printf(third, "%i", 3);  // runs off the bottom edge
    font->draw();
    const std::vector<unsigned char> after = frame();
    const std::vector<unsigned char> coverage = overlay();

    int covered = 0;
    for (size_t i = 0; i < coverage.size(); ++i) {
        const float l = coverage[i] / 255.0f;
        covered += coverage[i] > 0;
        for (int c = 0; c < 3; ++c) {
            const float d = before[i * 4 + c] / 255.0f;
            const float expected = (l + d * (1 - l)) * 255.0f;
            ASSERT_NEAR(after[i * 4 + c], expected, 2.0)
                << "pixel " << i % width << ", " << i / width << " coverage " << int(coverage[i]);
            if (coverage[i] == 0) {
                ASSERT_EQ(after[i * 4 + c], before[i * 4 + c]);
            } else if (coverage[i] > 8) {
                ASSERT_GT(after[i * 4 + c], before[i * 4 + c]);
            }
        }
    }
    EXPECT_GT(covered, 300);
}

TEST_F(FontOverlayTest, DrawLeavesBlendingOffAndTheStateMatricesAtIdentity) {
    stateWorld[12] = 5;
    font->clear();
    font->draw();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(stateWorld[12], 0);
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_ONE);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_COLOR);
}

// The overlay stays while any font lives and comes back for a later font.
TEST_F(FontOverlayTest, OverlayLivesAsLongAsAFont) {
    Image* const shared = Font::overlayImage();
    {
        BytesStream stream(carlitoBytes());
        Font second(stream, 20);
        EXPECT_EQ(Font::overlayImage(), shared);
    }
    ASSERT_EQ(Font::overlayImage(), shared);
    Pen pen{0, 20};
    font->printf(pen, "%i", 7);
    font->draw();

    font.reset();
    EXPECT_EQ(Font::overlayImage(), nullptr);
    BytesStream stream(carlitoBytes());
    font = std::make_unique<Font>(stream, 20);
    ASSERT_NE(Font::overlayImage(), nullptr);
    EXPECT_EQ(overlay(), std::vector<unsigned char>(size_t(width) * height, 0));
    font->printf(pen, "%i", 8);
    font->draw();
}

TEST_F(FontOverlayTest, ConstructionFailuresCarryTheirMessages) {
    BytesStream notAFont(std::string(4000, 'x'));
    try {
        Font broken(notAFont, 20);
        FAIL() << "no exception";
    } catch (const Exceptions::Exception& e) {
        EXPECT_EQ(e.getMessage(), "Unknown font file format.");
    }
    BytesStream carlito(carlitoBytes());
    try {
        Font broken(carlito, 0);
        FAIL() << "no exception";
    } catch (const Exceptions::Exception& e) {
        EXPECT_EQ(e.getMessage(), "Error setting font pixel size.");
    }
    // The fixture's font and its overlay are unharmed.
    EXPECT_NE(Font::overlayImage(), nullptr);
}
