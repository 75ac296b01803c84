#include "game_assets.h"

#include <cstdio>
#include <string>

using namespace Zephra;

namespace {

// A picture becomes a mipmapped texture: the file is opened, decoded and
// closed again, and the decoded pixels are dropped once they are uploaded.
std::unique_ptr<Texture> loadTexture(const std::string& fileName) {
    Utils::File file(fileName, Utils::Read);
    std::unique_ptr<Image> image(loadImage(file));
    return std::make_unique<Texture>(*image, Mipmapped);
}

// The same, with the file opened and closed by the decoder itself.
std::unique_ptr<Texture> loadTextureByName(const std::string& fileName) {
    std::unique_ptr<Image> image(loadImage(fileName));
    return std::make_unique<Texture>(*image, Mipmapped);
}

std::string frameName(const char* format, int number) {
    char name[64];
    std::snprintf(name, sizeof name, format, number);
    return name;
}

}  // namespace

GameAssets::GameAssets() {
    splash = loadTexture("data/splash.png");
    splash2 = loadTexture("data/splash2.png");
    {
        Utils::File file("data/calibri.ttf", Utils::Read);
        font = std::make_unique<Font>(file, 20);
    }
    {
        std::unique_ptr<char[]> source(Utils::readText("data/shader.cg"));
        program = std::make_unique<Program>(source.get(), "vsMain", "psMain");
    }
    magicJump = loadTextureByName("data/magic_jump.png");
    flyingCat = loadTextureByName("data/flying_cat.png");
    gradient = loadTexture("data/gradient.jpg");
    ground = loadTexture("data/ground.png");
    ground->setWrap(ClampToEdge);
    star = loadTexture("data/star.png");
    goldStar = loadTexture("data/goldstar.png");
    wings = loadTexture("data/wings.png");
    doublePoints = loadTexture("data/doublepoints.png");
    for (int i = 0; i < 9; ++i) jump[i] = loadTexture(frameName("data/jump%02i.png", i));
    for (int i = 0; i < 4; ++i) walk[i] = loadTexture(frameName("data/walk%02i.png", i + 1));
    for (int i = 0; i < 3; ++i) run[i] = loadTexture(frameName("data/run%02i.png", i + 1));
    cat = loadTexture("data/cat.png");
}
