// The text form of a world after one frame: one line, fields separated by a
// single space, floats as printf's %.9g (exact for 32-bit floats).
#pragma once

#include "cat_picture.h"
#include "game_world.h"

#include <string>

// The picture's file stem: cat, jump0..jump8, walk1..walk4, run1..run3.
std::string catPictureName(const CatPicture& picture);

// Appends "frame dt catX ... mirrored" and then "x y kind" for every star,
// without a line end.
void appendTraceLine(std::string& out, long frame, float dt, const GameWorld& world,
                     int pickups, const CatPicture& picture);
