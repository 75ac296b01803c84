// The text form of a world after one frame: one line, fields separated by a
// single space, floats as printf's %.9g (exact for 32-bit floats).
#pragma once

#include "cat_picture.h"
#include "game_world.h"

#include <array>
#include <string>

// The picture's file stem: cat, jump0..jump8, walk1..walk4, run1..run3.
std::string catPictureName(const CatPicture& picture);

// Formats the lines of consecutive frames. Stars rarely move, so the text of
// each star is kept until its position or kind changes.
class TraceWriter {
public:
    // Appends "frame dt catX ... mirrored" and then "x y kind" for every star,
    // without a line end.
    void appendLine(std::string& out, long frame, float dt, const GameWorld& world, int pickups,
                    const CatPicture& picture);

private:
    struct StarText {
        bool valid = false;
        StarPosition position{};
        StarKind kind{};
        std::string text;  // " x y kind"
    };
    std::array<StarText, GameWorld::StarCount> stars;
};
