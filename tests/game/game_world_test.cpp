#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "game_world.h"

namespace {

// Stars far off to the side and high up: never touched, never recycled.
void parkStars(GameWorld& world) {
    for (auto& star : world.starPositions) star = {10.0f, 1000.0f};
}

FrameInput frame(float frameTime, int cursorX = 400, int cursorY = 300) {
    FrameInput input;
    input.frameTime = frameTime;
    input.cursorX = cursorX;
    input.cursorY = cursorY;
    return input;
}

// An airborne cat at camera height cameraY with star 0 (and only it) where
// the cat is, so that the next short frame picks it up.
GameWorld worldAboutToPickUp(StarKind kind, int32_t points, float cameraY) {
    GameWorld world;
    parkStars(world);
    world.airborne = true;
    world.cameraY = cameraY;
    world.catY = cameraY + 0.2f;
    world.points = points;
    world.starPositions[0] = {world.catX, world.catY};
    world.starKinds[0] = kind;
    return world;
}

}  // namespace

TEST(GameWorld, FrameTimeBeyondATenthIsReplacedByTenMilliseconds) {
    GameWorld world;
    EXPECT_EQ(world.update(frame(0.25f)), 0.01f);
    EXPECT_EQ(world.update(frame(-0.2f)), 0.01f);
    EXPECT_EQ(world.update(frame(std::nextafter(0.1f, 1.0f))), 0.01f);
    EXPECT_EQ(world.update(frame(0.1f)), 0.1f);
    EXPECT_EQ(world.update(frame(-0.1f)), -0.1f);
    EXPECT_EQ(world.update(frame(0.016f)), 0.016f);
    // Not a number must not poison the world.
    EXPECT_EQ(world.update(frame(std::numeric_limits<float>::quiet_NaN())), 0.01f);
    EXPECT_TRUE(std::isfinite(world.catX) && std::isfinite(world.dampingTime));
}

TEST(GameWorld, SteeringTargetIsTheCursorOverTheFixedScreenSizeClamped) {
    struct Case { int x, y; float tx, ty; };
    const Case cases[] = {
        {400, 300, 0.0f, 0.0f},   {600, 150, 0.5f, 0.5f},      {0, 0, -0.9f, 0.9f},
        {800, 600, 0.9f, -0.9f},  {-5000, 90000, -0.9f, -0.9f}, {760, 30, 0.9f, 0.9f},
    };
    for (const Case& c : cases) {
        // Flying from rest at the origin: one short frame without damping
        // sets both velocities to 12 dt times the distance to the target.
        GameWorld world;
        parkStars(world);
        world.catY = 0.0f;
        world.wingsTime = 1.0f;
        world.update(frame(0.005f, c.x, c.y));
        EXPECT_FLOAT_EQ(world.velX, c.tx * 0.06f) << c.x << "," << c.y;
        EXPECT_FLOAT_EQ(world.velY, c.ty * 0.06f) << c.x << "," << c.y;
    }
}

TEST(GameWorld, GroundJumpNeedsTheLeftButtonAndNoSplashAndAsksOnlyThen) {
    GameWorld world;
    parkStars(world);
    int asked = 0;
    FrameInput input = frame(0.01f);
    input.leftButton = [&] { ++asked; return true; };

    input.splashActive = true;
    world.update(input);
    EXPECT_FALSE(world.airborne);
    EXPECT_EQ(asked, 0);

    input.splashActive = false;
    world.update(input);
    EXPECT_TRUE(world.airborne);
    EXPECT_EQ(asked, 1);
    EXPECT_FLOAT_EQ(world.velY, 3.5f - 4.8f * 0.01f);  // gravity acts after the move

    world.update(input);  // already airborne: not asked, no second jump
    EXPECT_EQ(asked, 1);
    EXPECT_LT(world.velY, 3.5f - 4.8f * 0.01f);
}

TEST(GameWorld, MagicJumpsAreThreePerClimbMoreThanACooldownApart) {
    GameWorld world;
    parkStars(world);
    int rightAsked = 0;
    FrameInput input = frame(0.01f);
    input.rightButton = [&] { ++rightAsked; return true; };

    // On the ground the right button is never asked; the cooldown runs on.
    for (int i = 0; i < 5; ++i) world.update(input);
    EXPECT_EQ(rightAsked, 0);
    EXPECT_FLOAT_EQ(world.magicJumpCooldown, -0.05f);

    input.leftButton = [] { return true; };
    world.update(input);  // ground jump, and a magic jump in the same frame
    input.leftButton = nullptr;
    EXPECT_EQ(world.magicJumps, 2);
    EXPECT_EQ(world.magicJumpEffectTime, 1.0f);
    EXPECT_EQ(world.magicJumpEffectY, GameWorld::GroundY);

    std::vector<int> jumpFrames{0};
    for (int f = 1; world.airborne; ++f) {
        const int before = world.magicJumps;
        world.update(input);
        if (world.magicJumps < before) jumpFrames.push_back(f);
        ASSERT_LT(f, 10000);
    }
    ASSERT_EQ(jumpFrames.size(), 3u);  // no fourth in this climb
    // 0.2 s of 10 ms frames: twenty subtractions of 0.01f take 0.2f just
    // below zero, so the next jump comes in the twentieth frame.
    for (size_t i = 1; i < jumpFrames.size(); ++i) EXPECT_EQ(jumpFrames[i] - jumpFrames[i - 1], 20);
    EXPECT_EQ(world.magicJumps, 3);  // landing restores them
    // The right button is asked only while a jump could happen.
    EXPECT_EQ(rightAsked, 3);
}

TEST(GameWorld, LandingEndsTheClimbAndOnlyAHardOneRescattersTheStars) {
    for (float velY : {-2.9f, -3.5f}) {
        GameWorld world;
        const auto stars = world.starPositions;
        world.airborne = true;
        world.catX = 0.3f;
        world.catY = GameWorld::GroundY - 0.1f;
        world.velY = velY;
        world.cameraY = 5.0f;  // this frame's spawn band is 4.1
        world.points = 7;
        world.highscore = 5;
        world.magicJumps = 0;
        world.wingsTime = 0.005f;  // too little to fly, kept across the landing
        world.update(frame(0.001f, 520, 300));

        EXPECT_FALSE(world.airborne);
        EXPECT_EQ(world.catY, GameWorld::GroundY);
        EXPECT_EQ(world.velY, 0.0f);
        EXPECT_EQ(world.cameraY, 0.0f);
        EXPECT_EQ(world.points, 0);
        EXPECT_EQ(world.highscore, 7);
        EXPECT_EQ(world.magicJumps, 3);
        EXPECT_FLOAT_EQ(world.wingsTime, 0.004f);
        EXPECT_NEAR(world.catX, 0.3f, 0.001f);
        const bool hard = velY < -3.0f;
        EXPECT_EQ(world.starPositions[0].x == stars[0].x, !hard) << velY;
        for (const auto& star : world.starPositions) EXPECT_LE(star.y, 4.1f);
        GameRandom expected;
        for (int i = 0; i < (hard ? 120 : 60); ++i) expected.next();
        EXPECT_EQ(world.random.state, expected.state) << velY;
    }
}

TEST(GameWorld, HighscoreTakesOnlyABetterClimb) {
    for (auto [points, highscore, expected] : {std::tuple{7, 5, 7}, {5, 5, 5}, {3, 5, 5}}) {
        GameWorld world;
        parkStars(world);
        world.airborne = true;
        world.catY = -1.0f;
        world.points = points;
        world.highscore = highscore;
        world.update(frame(0.01f));
        EXPECT_EQ(world.highscore, expected);
        EXPECT_EQ(world.points, 0);
    }
}

TEST(GameWorld, EachStarKindHasItsEffectAndTheStarMovesAboveTheScreen) {
    struct Case { StarKind kind; int32_t points; int32_t magicJumps; float wingsTime; };
    const Case cases[] = {
        {StarKind::Plain, 13, 3, 1.5f},
        {StarKind::Gold, 13, 4, 1.5f},
        {StarKind::Wings, 13, 3, 4.0f},        // set, not added
        {StarKind::DoublePoints, 23, 3, 1.5f}, // 10 x 2 + 3
    };
    for (const Case& c : cases) {
        GameWorld world = worldAboutToPickUp(c.kind, 10, 3.7f);
        world.wingsTime = 1.5f + 0.001f;
        std::vector<Pickup> pickups;
        world.update(frame(0.001f), [&](const Pickup& p) { pickups.push_back(p); });

        ASSERT_EQ(pickups.size(), 1u);
        EXPECT_EQ(pickups[0].star, 0);
        EXPECT_EQ(pickups[0].kind, c.kind);
        EXPECT_EQ(world.points, c.points);
        EXPECT_EQ(world.magicJumps, c.magicJumps);
        EXPECT_FLOAT_EQ(world.wingsTime, c.wingsTime);
        EXPECT_GE(world.starPositions[0].y, 3.7f + 2.0f);
        EXPECT_LE(world.starPositions[0].y, 3.7f + 2.0f + world.spawnBand);
    }
}

TEST(GameWorld, PickUpBouncesAndScoresOnlyTheWholeCameraHeight) {
    GameWorld world = worldAboutToPickUp(StarKind::Plain, 0, 0.9f);
    world.velY = -1.0f;
    int events = 0;
    world.update(frame(0.001f), [&](const Pickup&) { ++events; });
    EXPECT_EQ(events, 1);
    EXPECT_EQ(world.velY, 3.0f);
    EXPECT_EQ(world.points, 0);  // near the ground, climbing is what scores
}

TEST(GameWorld, TwoStarsInOneFrameApplyInIndexOrder) {
    GameWorld world = worldAboutToPickUp(StarKind::Plain, 10, 3.7f);
    world.starPositions[1] = world.starPositions[0];
    world.starKinds[1] = StarKind::DoublePoints;
    std::vector<int32_t> pointsAtEvent;
    std::vector<int> stars;
    world.update(frame(0.001f), [&](const Pickup& p) {
        stars.push_back(p.star);
        pointsAtEvent.push_back(world.points);
    });
    EXPECT_EQ(stars, (std::vector<int>{0, 1}));
    EXPECT_EQ(pointsAtEvent, (std::vector<int32_t>{13, 29}));  // (10 + 3) x 2 + 3
}

TEST(GameWorld, PointsSaturateInsteadOfOverflowing) {
    GameWorld doubled = worldAboutToPickUp(StarKind::DoublePoints, 2000000000, 3.7f);
    doubled.update(frame(0.001f));
    EXPECT_EQ(doubled.points, std::numeric_limits<int32_t>::max());

    GameWorld added = worldAboutToPickUp(StarKind::Plain, std::numeric_limits<int32_t>::max(), 50.0f);
    added.update(frame(0.001f));
    EXPECT_EQ(added.points, std::numeric_limits<int32_t>::max());

    added.catY = -1.0f;  // land: the saturated climb becomes the highscore
    added.update(frame(0.001f));
    EXPECT_EQ(added.highscore, std::numeric_limits<int32_t>::max());
}

TEST(GameWorld, FlightTurnsGravityOffUntilTheWingsRunOut) {
    GameWorld world;
    parkStars(world);
    world.airborne = true;
    world.catX = 0.0f;
    world.catY = 0.1f;  // low enough for the camera to stay put
    world.wingsTime = 0.5f;
    // The cursor right at the cat: no pull, and no gravity while flying.
    for (int i = 0; i < 40; ++i) world.update(frame(0.01f, 400, 270));
    EXPECT_NEAR(world.catY, 0.1f, 1e-4f);
    EXPECT_NEAR(world.velY, 0.0f, 1e-4f);
    for (int i = 0; i < 20; ++i) world.update(frame(0.01f, 400, 270));
    EXPECT_LT(world.wingsTime, 0.0f);  // it stops just below zero
    EXPECT_GT(world.wingsTime, -0.01f);
    EXPECT_LT(world.velY, -0.3f);      // falling again
}

TEST(GameWorld, EveryRunStartsWithTheSameStarLayout) {
    // The generator's first nine values are 41, 18467, 6334, 26500, 19169,
    // 15724, 11478, 29358, 26962: x, y and kind of stars 0 to 2.
    const GameWorld world;
    const float draws[][3] = {{41, 18467, 6334}, {26500, 19169, 15724}, {11478, 29358, 26962}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(world.starPositions[i].x, 2.0f * float(draws[i][0] / 32767.0) - 1.0f);
        EXPECT_EQ(world.starPositions[i].y, 4.0f * float(draws[i][1] / 32767.0));
        EXPECT_EQ(world.starKinds[i], StarKind::Plain);
    }
    const GameWorld again;
    for (int i = 0; i < GameWorld::StarCount; ++i) {
        EXPECT_EQ(again.starPositions[i].x, world.starPositions[i].x);
        EXPECT_EQ(again.starPositions[i].y, world.starPositions[i].y);
        EXPECT_EQ(again.starKinds[i], world.starKinds[i]);
    }
}

TEST(GameWorld, LongRandomPlayKeepsTwentyStarsOnOrAboveTheGround) {
    GameWorld world;
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> cursor(-200, 1000), coin(0, 3);
    std::uniform_real_distribution<float> frameTime(-0.02f, 0.15f);
    int pickups = 0;
    for (int i = 0; i < 200000; ++i) {
        FrameInput input = frame(frameTime(rng), cursor(rng), cursor(rng));
        const bool left = coin(rng) == 0, right = coin(rng) == 0;
        input.leftButton = [left] { return left; };
        input.rightButton = [right] { return right; };
        world.update(input, [&](const Pickup&) { ++pickups; });
    }
    EXPECT_GT(pickups, 0);
    EXPECT_GE(world.cameraY, 0.0f);
    for (int i = 0; i < GameWorld::StarCount; ++i) {
        EXPECT_GE(world.starPositions[i].y, 0.0f);
        EXPECT_GE(static_cast<int>(world.starKinds[i]), 0);
        EXPECT_LE(static_cast<int>(world.starKinds[i]), 3);
    }
}
