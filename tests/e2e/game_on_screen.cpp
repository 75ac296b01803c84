#include "game_on_screen.h"

#include <filesystem>

#include <stdlib.h>

namespace fs = std::filesystem;

namespace {
// Generous: an ASan build under a software renderer starts slowly.
const double StartTimeout = 60.0;
// The framed window opens here when no window manager moves it.
const int WindowX = 5, WindowY = 5;

bool isBlank(const Picture& picture) {
    for (size_t i = 4; i < picture.rgba.size(); i += 4)
        if (!std::equal(&picture.rgba[i], &picture.rgba[i + 3], &picture.rgba[0])) return false;
    return true;
}
}  // namespace

void GameOnScreen::startGame(const std::string& folder,
                             const std::map<std::string, std::string>& environment) {
    movePointer(WindowX + Width / 2, WindowY + Height / 2);
    game = std::make_unique<GameProcess>(folder, environment);
    auto found = waitForWindowSized("Zephra Window", Width, Height, StartTimeout);
    ASSERT_TRUE(found) << "no " << Width << " x " << Height
                       << " game window appeared; stderr: " << game->errorOutput();
    window = *found;
    pointAt(Width / 2, Height / 2);
    for (int tries = 0; tries < StartTimeout / 0.1; ++tries) {
        if (!isBlank(screenshot("first_frame"))) return;
        ASSERT_TRUE(game->isRunning()) << game->errorOutput();
        sleepSeconds(0.1);
    }
    FAIL() << "no frame was ever shown";
}

void GameOnScreen::startPlaying(const std::string& folder) {
    ASSERT_NO_FATAL_FAILURE(startGame(folder));
    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash.png"));
    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash2.png"));
    sleepSeconds(0.5);
}

void GameOnScreen::clickAway(const std::string& page) {
    for (int tries = 0; tries < 5; ++tries) {
        clickButton(1);
        sleepSeconds(0.5);
        if (differenceFromPage(screenshot("click"), page) > 20.0) return;
    }
    FAIL() << page << " stays on screen however often it is clicked";
}

void GameOnScreen::quitWithEscape() {
    focusWindow(window.id);
    pressKey("Escape");
    EXPECT_EQ(game->waitForExit(10.0), 0) << game->errorOutput();
}

Picture GameOnScreen::screenshot(const std::string& label) {
    return takeScreenshot(window.x, window.y, Width, Height,
                          ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                              std::string("_") + label);
}

void GameOnScreen::pointAt(int x, int y) { movePointer(window.x + x, window.y + y); }

double differenceFromPage(const Picture& shot, const std::string& fileName) {
    return opaqueDifference(shot, loadReference(fileName, shot.width, shot.height));
}

DataCopy::DataCopy(const std::string& leaveOut) {
    std::string pattern = (fs::temp_directory_path() / "pouncer-data-XXXXXX").string();
    path = mkdtemp(pattern.data());
    fs::copy(fs::path(ZEPHRA_SOURCE_DIR) / "data", fs::path(path) / "data",
             fs::copy_options::recursive);
    if (!leaveOut.empty()) fs::remove(fs::path(path) / "data" / leaveOut);
}

DataCopy::~DataCopy() { fs::remove_all(path); }
