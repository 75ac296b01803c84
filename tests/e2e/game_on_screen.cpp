#include "game_on_screen.h"

#include <filesystem>

#include <stdlib.h>

namespace fs = std::filesystem;

namespace {
// Generous: an ASan build under a software renderer on a busy machine is
// slow to start and to draw. Waits end as soon as their condition holds.
const double StartTimeout = 120.0;
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
    game = std::make_unique<GameProcess>(folder, environment, program);
    auto found = waitForWindowSized("Zephra Window", Width, Height, StartTimeout);
    if (!found) {
        std::string seen;
        for (const XWindow& w : listWindows())
            seen += " \"" + w.name + "\" " + std::to_string(w.width) + "x" + std::to_string(w.height);
        FAIL() << "no " << Width << " x " << Height << " game window appeared; game running: "
               << game->isRunning() << "; windows:" << seen << "; stderr: " << game->errorOutput()
               << "\nthe X server's window tree:\n"
               << runCommand("xwininfo -root -tree 2>&1 | head -n 20")
               << "\nthe game's threads:\n" << game->stacks();
    }
    window = *found;
    pointAt(Width / 2, Height / 2);
    const bool shown = waitUntil([&] { return !isBlank(screenshot("first_frame")) || !game->isRunning(); },
                                 StartTimeout);
    ASSERT_TRUE(game->isRunning()) << game->errorOutput();
    ASSERT_TRUE(shown) << "no frame was ever shown";
}

void GameOnScreen::startPlaying(const std::string& folder) {
    ASSERT_NO_FATAL_FAILURE(startGame(folder));
    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash.png"));
    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash2.png"));
}

void GameOnScreen::clickAway(const std::string& page) {
    // One click is enough however slow the frames are: a click between two
    // frames still counts.
    ZephraTest::clickButton(1, ClickSeconds);
    ASSERT_TRUE(waitUntil([&] { return differenceFromPage(screenshot("click"), page) > 20.0; },
                          StartTimeout))
        << page << " stays on screen after a click";
}

void GameOnScreen::quitWithEscape() {
    focusWindow(window.id);
    ZephraTest::tapKey("Escape", KeySeconds);
    EXPECT_EQ(game->waitForExit(StartTimeout), 0) << game->errorOutput();
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
