// The example game, built against the installed engine, on a private X
// display: its sprite turns, its text shows, Escape and a close request end it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "game_process.h"
#include "x_display.h"

namespace {

const int Width = 800, Height = 600;
const double StartTimeout = 60.0;
// Cleared to (0.1, 0.15, 0.35); the sprite is 200 x 200 pixels in the middle.
const uint8_t Background[3] = {26, 38, 89};
const int SpriteLeft = 300, SpriteTop = 200, SpriteSize = 200;

bool isBackground(const uint8_t* p) {
    for (int c = 0; c < 3; ++c)
        if (std::abs(p[c] - Background[c]) > 3) return false;
    return true;
}
bool isOrange(const uint8_t* p) { return p[0] > 200 && p[1] > 90 && p[1] < 200 && p[2] < 90; }
bool isWhite(const uint8_t* p) { return p[0] > 230 && p[1] > 230 && p[2] > 230; }

int count(const Picture& shot, int left, int top, int width, int height,
          const std::function<bool(const uint8_t*)>& test) {
    int n = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) n += test(shot.at(x, y));
    return n;
}

class HelloSprite : public ::testing::Test {
protected:
    void SetUp() override {
        example = std::make_unique<GameProcess>(HELLO_SPRITE_DIR, std::map<std::string, std::string>{},
                                                HELLO_SPRITE_DIR "/hello_sprite");
        auto found = waitForWindow("Zephra Window", StartTimeout);
        ASSERT_TRUE(found) << "no window; stderr: " << example->errorOutput();
        window = *found;
        ASSERT_EQ(window.width, Width);
        ASSERT_EQ(window.height, Height);
        const bool shown = waitUntil(
            [&] {
                return !example->isRunning() ||
                       count(screenshot("first_frame"), SpriteLeft, SpriteTop, SpriteSize,
                             SpriteSize, isOrange) > 0;
            },
            StartTimeout);
        ASSERT_TRUE(example->isRunning()) << example->errorOutput();
        ASSERT_TRUE(shown) << "the sprite never showed";
    }

    Picture screenshot(const std::string& label) {
        return takeScreenshot(window.x, window.y, Width, Height, "hello_sprite_" + label);
    }

    XDisplay display;
    std::unique_ptr<GameProcess> example;
    XWindow window;
};

}  // namespace

TEST_F(HelloSprite, DrawsItsTurningSpriteAndTextUntilEscape) {
    const Picture first = screenshot("frame");
    // A ball 200 pixels across: orange with a white band inside its square,
    // nothing beyond a turning square's reach, background everywhere else.
    EXPECT_GT(count(first, SpriteLeft, SpriteTop, SpriteSize, SpriteSize, isOrange), 15000);
    EXPECT_GT(count(first, SpriteLeft, SpriteTop, SpriteSize, SpriteSize, isWhite), 1000);
    EXPECT_EQ(count(first, 0, 450, Width, 150, isBackground), Width * 150);
    EXPECT_EQ(count(first, 0, 100, 250, 350, isBackground), 250 * 350);
    // The line of text, white on the background, near the top left.
    const int text = count(first, 20, 15, 420, 35, isWhite);
    EXPECT_GT(text, 300);
    EXPECT_LT(text, 420 * 35 / 2);

    // The world matrix turns the sprite with time, frame after frame.
    const bool turned = waitUntil(
        [&] {
            const Picture later = screenshot("later");
            for (int y = SpriteTop; y < SpriteTop + SpriteSize; ++y)
                for (int x = SpriteLeft; x < SpriteLeft + SpriteSize; ++x)
                    if (isWhite(first.at(x, y)) != isWhite(later.at(x, y))) return true;
            return false;
        },
        StartTimeout);
    EXPECT_TRUE(turned) << "the sprite stands still";

    ZephraTest::tapKey("Escape", KeySeconds);
    EXPECT_EQ(example->waitForExit(10.0), 0) << example->errorOutput();
}

TEST_F(HelloSprite, EndsOnACloseRequest) {
    ASSERT_TRUE(sendCloseRequest(window.id));
    EXPECT_EQ(example->waitForExit(10.0), 0) << example->errorOutput();
}
