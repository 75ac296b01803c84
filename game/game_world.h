// The whole game logic: one cat, twenty stars and the per-frame update.
// It owns no graphics, sound or window; the main loop feeds it the frame time
// and the mouse, and the scene reads its fields to draw.
//
// Every value is a 32-bit float updated one operation at a time in a fixed
// order, so that the game plays identically on every machine (the build
// forbids fused multiply-add contraction and fast-math).
#pragma once

#include "game_random.h"

#include <array>
#include <cstdint>
#include <functional>

enum class StarKind : int32_t {
    Plain = 0,        // nothing beyond the common pick-up effects
    Gold = 1,         // one more magic jump
    Wings = 2,        // four seconds of flight towards the cursor
    DoublePoints = 3, // doubles the points before the altitude is added
};

struct StarPosition {
    float x;
    float y;
};

// What the main loop supplies each frame. The buttons are asked lazily: each
// only when the rest of its test already holds, so the caller can read the
// real button at that very moment.
struct FrameInput {
    float frameTime = 0.0f;  // seconds since the previous frame, unclamped
    int32_t cursorX = 0;     // mouse position in client pixels, y downwards
    int32_t cursorY = 0;
    std::function<bool()> leftButton;   // empty means "not pressed"
    std::function<bool()> rightButton;  // empty means "not pressed"
    bool splashActive = false;          // a splash page blocks ground jumps
};

// One star picked up during an update, in the order they happen.
struct Pickup {
    int star;       // index of the star, already respawned above
    StarKind kind;  // what it was when touched
};

using PickupHandler = std::function<void(const Pickup&)>;

struct GameWorld {
    static constexpr int StarCount = 20;
    static constexpr float AspectRatio = 1.3333334f;  // 800 / 600: x width to y height
    static constexpr float GroundY = -0.515f;
    static constexpr float Gravity = -4.8f;
    static constexpr float SteeringGain = 12.0f;
    static constexpr float JumpSpeed = 3.5f;
    static constexpr float BounceSpeed = 3.0f;
    static constexpr float HardLandingSpeed = -3.0f;
    static constexpr float PickupRadius = 0.1f;
    static constexpr float WingsDuration = 4.0f;
    static constexpr float MagicJumpCooldownTime = 0.2f;
    static constexpr float MagicJumpEffectDuration = 1.0f;
    static constexpr int32_t MagicJumpsPerClimb = 3;
    static constexpr float CursorLimit = 0.9f;
    static constexpr float MaxFrameTime = 0.1f;
    // The frame time a frame uses: an overlong one, or one that is not a
    // number, counts as 10 ms so that it cannot poison the world.
    static float clampFrameTime(float frameTime);
    static constexpr float DampingStep = 0.01f;
    static constexpr float HorizontalDamping = 0.95f;
    static constexpr float FlightDamping = 0.97f;
    static constexpr float CameraLead = 0.3f;
    static constexpr float CameraDeadZone = 0.5f;
    static constexpr float SpawnAbove = 2.0f;
    static constexpr float RecycleBelow = 1.0f;

    // The world at program start, with the stars scattered (60 draws).
    GameWorld();

    // Advances one frame and returns the clamped frame time it used. Each
    // pick-up is reported to onPickup at the moment it happens.
    float update(const FrameInput& input, const PickupHandler& onPickup = nullptr);

    // After the frame is drawn: the magic-jump picture fades by dt.
    void endFrame(float dt) { magicJumpEffectTime -= dt; }

    // Places every star anew in [-1, 1] x [0, spawnBand].
    void scatterStars();
    // Places star i anew in the band just above the top of the screen.
    void respawnStarAbove(int i);

    float catX = 0.0f, catY = GroundY;  // centre of the cat
    float velX = 0.0f, velY = 0.0f;     // world units per second
    bool airborne = false;              // from a ground jump to the next landing
    float cameraY = 0.0f;               // world y at the screen's centre, >= 0
    float spawnBand = 4.0f;             // height of the band new stars go into
    int32_t points = 0;                 // this climb's points
    int32_t highscore = 0;              // best finished climb
    int32_t magicJumps = MagicJumpsPerClimb;
    float wingsTime = 0.0f;             // flying while above 0.01
    float magicJumpCooldown = 0.0f;     // a magic jump needs this below 0
    float magicJumpEffectTime = 0.0f;   // seconds the magic-jump picture stays
    float magicJumpEffectX = 0.0f, magicJumpEffectY = 0.0f;
    float dampingTime = 0.0f;           // carries over between the 10 ms steps
    std::array<StarPosition, StarCount> starPositions{};
    std::array<StarKind, StarCount> starKinds{};
    GameRandom random;

private:
    StarKind drawStarKind();
    void endClimb();
    void pickUp(int i, const PickupHandler& onPickup);
};
