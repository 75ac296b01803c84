// Every picture, the font and the shader program the game draws with.
// They are loaded from data/ under the working directory in one fixed order;
// the members are declared in that order, so they are released in reverse,
// also when loading stops part-way because a file is missing or broken.
#pragma once

#include <array>
#include <memory>

#include "zephra.h"

struct GameAssets {
    // Loads everything; throws the engine exception of the first file that fails.
    GameAssets();
    GameAssets(const GameAssets&) = delete;
    GameAssets& operator=(const GameAssets&) = delete;

    std::unique_ptr<Zephra::Texture> splash;        // first splash page
    std::unique_ptr<Zephra::Texture> splash2;       // second splash page
    std::unique_ptr<Zephra::Font> font;             // the HUD's text lines
    std::unique_ptr<Zephra::Program> program;       // draws every sprite
    std::unique_ptr<Zephra::Texture> magicJump;     // left where a magic jump was made
    std::unique_ptr<Zephra::Texture> flyingCat;     // behind the cat while flying
    std::unique_ptr<Zephra::Texture> gradient;      // the sky
    std::unique_ptr<Zephra::Texture> ground;        // clamped, so it does not repeat upwards
    std::unique_ptr<Zephra::Texture> star;          // the four star kinds
    std::unique_ptr<Zephra::Texture> goldStar;      // also the HUD icon
    std::unique_ptr<Zephra::Texture> wings;
    std::unique_ptr<Zephra::Texture> doublePoints;
    std::array<std::unique_ptr<Zephra::Texture>, 9> jump;  // airborne, by vertical speed
    std::array<std::unique_ptr<Zephra::Texture>, 4> walk;
    std::array<std::unique_ptr<Zephra::Texture>, 3> run;
    std::unique_ptr<Zephra::Texture> cat;           // standing still
};
