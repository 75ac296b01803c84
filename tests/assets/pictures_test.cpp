// Every picture the game loads decodes into a texture-ready image of the
// size and pixel type the drawing code relies on.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "media/image_loader.h"
#include "utils/exceptions.h"

namespace {

struct Picture {
    std::string name;
    int side;
    Zephra::PixelType type;
};

std::vector<Picture> gamePictures() {
    std::vector<Picture> all = {
        {"splash.png", 1024, Zephra::RGBA8},   {"splash2.png", 1024, Zephra::RGBA8},
        {"magic_jump.png", 128, Zephra::RGBA8}, {"flying_cat.png", 128, Zephra::RGBA8},
        {"gradient.jpg", 1024, Zephra::RGB8},   {"ground.png", 1024, Zephra::RGBA8},
        {"star.png", 64, Zephra::RGBA8},        {"goldstar.png", 64, Zephra::RGBA8},
        {"wings.png", 64, Zephra::RGBA8},       {"doublepoints.png", 64, Zephra::RGBA8},
        {"cat.png", 128, Zephra::RGBA8},
    };
    char name[32];
    for (int i = 0; i <= 8; ++i) {
        snprintf(name, sizeof name, "jump%02i.png", i);
        all.push_back({name, 128, Zephra::RGBA8});
    }
    for (int i = 1; i <= 4; ++i) {
        snprintf(name, sizeof name, "walk%02i.png", i);
        all.push_back({name, 128, Zephra::RGBA8});
    }
    for (int i = 1; i <= 3; ++i) {
        snprintf(name, sizeof name, "run%02i.png", i);
        all.push_back({name, 128, Zephra::RGBA8});
    }
    return all;
}

std::unique_ptr<Zephra::BitmapImage> load(const std::string& name) {
    try {
        return std::unique_ptr<Zephra::BitmapImage>(Zephra::loadImage("data/" + name));
    } catch (const Zephra::Exceptions::Exception& e) {
        ADD_FAILURE() << name << ": " << e.getMessage();
        return nullptr;
    }
}

bool powerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Alpha at (x, y) with y counted from the top of the picture as drawn.
int alphaAt(Zephra::BitmapImage& image, int x, int yFromTop) {
    int row = image.getHeight() - 1 - yFromTop;
    return image.getData()[(row * image.getWidth() + x) * 4 + 3];
}

int lowestOpaqueRowFromTop(Zephra::BitmapImage& image) {
    for (int y = image.getHeight() - 1; y >= 0; --y)
        for (int x = 0; x < image.getWidth(); ++x)
            if (alphaAt(image, x, y) > 128) return y;
    return -1;
}

}  // namespace

TEST(GamePictures, EveryPictureLoadsWithItsTypeAndPowerOfTwoSides) {
    for (const Picture& p : gamePictures()) {
        auto image = load(p.name);
        if (!image) continue;
        EXPECT_EQ(image->getPixelType(), p.type) << p.name;
        EXPECT_TRUE(powerOfTwo(image->getWidth()) && powerOfTwo(image->getHeight())) << p.name;
        EXPECT_EQ(image->getWidth(), p.side) << p.name;
        EXPECT_EQ(image->getHeight(), p.side) << p.name;
    }
}

TEST(GamePictures, SpritesStayInsideTheirPictures) {
    // A sprite touching its border would show a cut edge, and with the
    // repeating wrap mode bleed into the opposite side when mipmapped.
    for (const Picture& p : gamePictures()) {
        if (p.side > 128) continue;
        auto image = load(p.name);
        if (!image) continue;
        int last = p.side - 1;
        for (int i = 0; i < p.side; ++i) {
            ASSERT_EQ(alphaAt(*image, i, 0), 0) << p.name << " top edge at " << i;
            ASSERT_EQ(alphaAt(*image, i, last), 0) << p.name << " bottom edge at " << i;
            ASSERT_EQ(alphaAt(*image, 0, i), 0) << p.name << " left edge at " << i;
            ASSERT_EQ(alphaAt(*image, last, i), 0) << p.name << " right edge at " << i;
        }
    }
}

TEST(GamePictures, StandingCatsHaveTheirPawsOnTheGrass) {
    // The standing cat's centre is drawn 40 pixels above the grass line, so
    // the paws must end close to the bottom of every ground frame.
    std::vector<std::string> frames = {"cat.png", "walk01.png", "walk02.png", "walk03.png",
                                       "walk04.png"};
    for (const std::string& name : frames) {
        auto image = load(name);
        if (!image) continue;
        int paws = lowestOpaqueRowFromTop(*image);
        EXPECT_GE(paws, 118) << name;
        EXPECT_LE(paws, 126) << name;
    }
    auto ground = load("ground.png");
    ASSERT_TRUE(ground);
    // Grass top at screen row 491 of 600; the sky above the hills is clear.
    int grass = 491 * 1024 / 600;
    EXPECT_EQ(alphaAt(*ground, 512, 0), 0);
    EXPECT_EQ(alphaAt(*ground, 512, 400), 0);
    EXPECT_EQ(alphaAt(*ground, 512, grass + 20), 255);
    EXPECT_EQ(alphaAt(*ground, 512, 1023), 255);
}

TEST(GamePictures, SplashPagesLetTheSceneShowAroundThem) {
    for (const char* name : {"splash.png", "splash2.png"}) {
        auto page = load(name);
        if (!page) continue;
        EXPECT_EQ(alphaAt(*page, 4, 4), 0) << name;
        EXPECT_EQ(alphaAt(*page, 1019, 1019), 0) << name;
        EXPECT_GT(alphaAt(*page, 512, 512), 128) << name;
    }
}

TEST(GamePictures, SkyIsDarkWhereTheHudTextIsDrawn) {
    // The HUD text is added as light over the frame: it needs a dark sky
    // behind the top-left corner.
    auto sky = load("gradient.jpg");
    ASSERT_TRUE(sky);
    const unsigned char* top = sky->getData() + (sky->getHeight() - 1) * sky->getWidth() * 3;
    EXPECT_LT(top[0] + top[1] + top[2], 3 * 110);
    const unsigned char* bottom = sky->getData();
    EXPECT_GT(bottom[0] + bottom[1] + bottom[2], top[0] + top[1] + top[2]);
}
