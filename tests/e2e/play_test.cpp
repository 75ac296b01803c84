// Playing the real game as a person would: clicking the splash pages away,
// steering with the mouse, jumping, quitting, and looking at the screen.
#include "game_on_screen.h"

namespace {

// Where the overlay has full coverage the additive text blend gives white;
// checks that a line of text is on screen there, and that the same spots
// are not white in general (so the check could fail).
void expectText(const Picture& shot, const std::string& text, int x, int y) {
    const Picture coverage = renderText(text, x, y);
    int covered = 0, white = 0, blank = 0, whiteBlank = 0;
    const Box line = opaqueBox(coverage);
    ASSERT_FALSE(line.empty());
    for (int py = line.top; py < line.bottom; ++py) {
        for (int px = line.left; px < line.right; ++px) {
            const uint8_t* s = shot.at(px, py);
            const bool isWhite = s[0] >= 240 && s[1] >= 240 && s[2] >= 240;
            if (coverage.at(px, py)[0] >= 250) {
                ++covered;
                white += isWhite;
            } else if (coverage.at(px, py)[0] == 0) {
                ++blank;
                whiteBlank += isWhite;
            }
        }
    }
    ASSERT_GT(covered, 10) << text;
    EXPECT_EQ(white, covered) << "\"" << text << "\" is not where it is printed";
    EXPECT_LT(whiteBlank, blank / 2) << "the background around \"" << text << "\" is white";
}

// Where the standing cat is drawn when the pointer has been in the middle:
// 80 x 80 pixels, centred horizontally, its centre at world y -0.515.
const int CatLeft = 360, CatTop = 415, CatSize = 80;

// The screenshot shows this splash page, and looks less like the other one.
void expectPage(const Picture& shot, const std::string& page, const std::string& other) {
    const double difference = differenceFromPage(shot, page);
    EXPECT_LT(difference, 20.0) << page;
    EXPECT_LT(difference, differenceFromPage(shot, other)) << page;
}
}  // namespace

TEST_F(GameOnScreen, SplashPagesTurnOnClicksAndThenPlayBegins) {
    ASSERT_NO_FATAL_FAILURE(startGame());
    expectPage(screenshot("splash1"), "data/splash.png", "data/splash2.png");

    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash.png"));
    expectPage(screenshot("splash2"), "data/splash2.png", "data/splash.png");

    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash2.png"));
    const Picture playing = screenshot("playing");
    EXPECT_GT(differenceFromPage(playing, "data/splash.png"), 20.0);
    EXPECT_GT(differenceFromPage(playing, "data/splash2.png"), 20.0);
    quitWithEscape();
}

TEST_F(GameOnScreen, CatStandsAtTheBottomCentreAndTheHudShows) {
    ASSERT_NO_FATAL_FAILURE(startPlaying());
    const Picture shot = screenshot("standing");

    // The cat at rest faces right: its left-facing picture mirrored.
    const Picture cat = loadReference("data/cat.png", CatSize, CatSize, true);
    const double here = opaqueDifference(shot.crop(CatLeft, CatTop, CatSize, CatSize), cat);
    EXPECT_LT(here, 25.0);
    EXPECT_LT(here, opaqueDifference(shot.crop(CatLeft, CatTop - 40, CatSize, CatSize), cat));
    EXPECT_LT(here, opaqueDifference(shot.crop(CatLeft + 40, CatTop, CatSize, CatSize), cat));

    // The magic-jump icon covers pixels 0-20 from the left, 55-75 from the top.
    const Picture icon = loadReference("data/goldstar.png", 20, 20);
    const double iconHere = opaqueDifference(shot.crop(0, 55, 20, 20), icon);
    EXPECT_LT(iconHere, 30.0);
    EXPECT_LT(iconHere, opaqueDifference(shot.crop(0, 85, 20, 20), icon));

    // The three text lines at their pens; the third beside the icon.
    expectText(shot, "Points: 0", 0, 20);
    expectText(shot, "Highscore: 0", 0, 40);
    expectText(shot, "3", 28, 70);
    quitWithEscape();
}

TEST_F(GameOnScreen, MouseSteersTheCatAndTheLeftButtonJumps) {
    ASSERT_NO_FATAL_FAILURE(startPlaying());
    const Picture centred = screenshot("centred");

    // Pointer at the left edge: the cat runs left and settles near x = -0.9.
    // It gets there in game time, however long the frames take.
    pointAt(0, 300);
    Picture left;
    waitUntil([&] {
        left = screenshot("left");
        const Box there = changedBox(centred.crop(0, 120, 200, 480), left.crop(0, 120, 200, 480), 40);
        return !there.empty() && there.left < 20;
    }, 120.0);
    const Box gone = changedBox(centred.crop(200, 120, 600, 480), left.crop(200, 120, 600, 480), 40);
    ASSERT_FALSE(gone.empty()) << "the cat did not leave the middle";
    EXPECT_GE(gone.left + 200, CatLeft - 4);
    EXPECT_LE(gone.right + 200, CatLeft + CatSize + 4);
    EXPECT_GE(gone.top + 120, CatTop - 4);
    EXPECT_LE(gone.bottom + 120, CatTop + CatSize + 4);
    const Box arrived = changedBox(centred.crop(0, 120, 200, 480), left.crop(0, 120, 200, 480), 40);
    ASSERT_FALSE(arrived.empty()) << "the cat did not arrive on the left";
    EXPECT_LT(arrived.left, 20);

    // A left click jumps: the next screenshot shows the cat well above the ground.
    ZephraTest::clickButton(1, ClickSeconds);
    Box moved;
    waitUntil([&] {
        moved = changedBox(left.crop(0, 120, 200, 480), screenshot("jumping").crop(0, 120, 200, 480), 40);
        return !moved.empty() && moved.top + 120 < CatTop - 30;
    }, 60.0);
    ASSERT_FALSE(moved.empty()) << "the cat did not move when the button was clicked";
    EXPECT_LT(moved.top + 120, CatTop - 30);
    quitWithEscape();
}

TEST_F(GameOnScreen, CloseRequestEndsTheGameWithStatusZero) {
    ASSERT_NO_FATAL_FAILURE(startGame());
    // What a window manager's close box sends.
    ASSERT_TRUE(sendCloseRequest(window.id));
    EXPECT_EQ(game->waitForExit(60.0), 0) << game->errorOutput();
}
