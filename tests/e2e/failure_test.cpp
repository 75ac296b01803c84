// What a player sees when a file is missing, and what a player hears.
#include "game_on_screen.h"

#include <filesystem>
#include <fstream>
#include <vector>

TEST_F(GameOnScreen, MissingPictureShowsOneErrorBoxAndEndsWithStatusOne) {
    DataCopy data("star.png");
    game = std::make_unique<GameProcess>(data.folder());
    const auto box = waitForWindow("Error", 60.0);
    ASSERT_TRUE(box) << "no error box; stderr: " << game->errorOutput();
    EXPECT_NE(game->errorOutput().find("Error: File not found: data/star.png"), std::string::npos)
        << game->errorOutput();

    // Exactly one box, and the game's own window is already gone.
    int boxes = 0;
    for (const XWindow& w : listWindows()) boxes += w.name == "Error";
    EXPECT_EQ(boxes, 1);
    EXPECT_FALSE(findWindow("Zephra Window"));
    EXPECT_TRUE(game->isRunning()) << "the program ended before the box was dismissed";

    ASSERT_TRUE(ZephraTest::tapKeyIn(box->id, "Return"));
    EXPECT_EQ(game->waitForExit(60.0), 1) << game->errorOutput();
}

TEST_F(GameOnScreen, MissingPointSoundStillPlays) {
    DataCopy data("point.mp3");
    ASSERT_NO_FATAL_FAILURE(startPlaying(data.folder()));
    quitWithEscape();
    EXPECT_EQ(game->errorOutput().find("Error"), std::string::npos) << game->errorOutput();
}

TEST_F(GameOnScreen, WithoutASoundDeviceTheGamePlaysSilently) {
    // No driver named: the system's own choice, which on a machine without a
    // sound card (CI, Wine without one) finds no device to open.
    ASSERT_NO_FATAL_FAILURE(startGame(ZEPHRA_SOURCE_DIR, {{"SDL_AUDIODRIVER", ""}}));
    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash.png"));
    ASSERT_NO_FATAL_FAILURE(clickAway("data/splash2.png"));
    quitWithEscape();
    EXPECT_EQ(game->errorOutput().find("Error"), std::string::npos) << game->errorOutput();
}

TEST_F(GameOnScreen, MusicIsAudibleFromTheStart) {
    DataCopy data;
    const std::string output = data.folder() + "/audio.raw";
    ASSERT_NO_FATAL_FAILURE(startGame(
        data.folder(), {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", output}}));
    // 16-bit samples, 44.1 kHz stereo: one second is 88,200 samples, and
    // the driver writes them at the pace of a real device.
    const auto written = [&] {
        std::error_code error;
        const auto bytes = std::filesystem::file_size(output, error);
        return error ? 0 : bytes;
    };
    EXPECT_TRUE(waitUntil([&] { return written() >= 88200 * 2; }, 120.0))
        << "the first second of sound was never written";
    quitWithEscape();

    std::ifstream in(output, std::ios::binary);
    std::vector<int16_t> samples(88200);
    in.read(reinterpret_cast<char*>(samples.data()), samples.size() * 2);
    samples.resize(in.gcount() / 2);
    ASSERT_GT(samples.size(), 44100u) << "less than half a second of sound was written";
    int loudest = 0;
    for (int16_t s : samples) loudest = std::max(loudest, std::abs(int(s)));
    EXPECT_GT(loudest, 300) << "the first second is silent";
}
