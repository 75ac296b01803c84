// A test that plays the real game: a private X display, the game started in
// a folder with a data/ directory, its window found, and the player's view
// of it taken as screenshots of the 800 x 600 client area.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "game_process.h"
#include "picture.h"
#include "x_display.h"

class GameOnScreen : public ::testing::Test {
protected:
    static constexpr int Width = 800;
    static constexpr int Height = 600;

    // Starts the game with the pointer over the middle of where its window
    // opens, and waits until its first frame is on screen.
    void startGame(const std::string& folder = ZEPHRA_SOURCE_DIR,
                   const std::map<std::string, std::string>& environment = {});
    // Clicks both splash pages away and waits until play has begun.
    void startPlaying(const std::string& folder = ZEPHRA_SOURCE_DIR);
    // Clicks until the screen no longer shows this page, as a player whose
    // click fell between two slow frames would click again.
    void clickAway(const std::string& page);
    // Presses Escape and expects the game to end with status 0.
    void quitWithEscape();

    Picture screenshot(const std::string& label);
    // The pointer at these client pixels of the game's window.
    void pointAt(int x, int y);

    XDisplay display;
    // The program startGame starts.
    std::string program = "pouncer_windowed";
    std::unique_ptr<GameProcess> game;
    XWindow window;
};

// How much a screenshot looks like a data/ picture drawn over the whole
// screen: the mean colour difference over the picture's opaque pixels.
double differenceFromPage(const Picture& shot, const std::string& fileName);

// A copy of the repository's data/ in a temporary folder, without one file.
class DataCopy {
public:
    explicit DataCopy(const std::string& leaveOut = "");
    ~DataCopy();
    DataCopy(const DataCopy&) = delete;
    DataCopy& operator=(const DataCopy&) = delete;
    const std::string& folder() const { return path; }

private:
    std::string path;
};
