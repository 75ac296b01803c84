#include "game_world.h"

#include <cmath>
#include <limits>

namespace {

constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

// Counters never wrap around: they stop at the largest int32.
int32_t doubledSaturated(int32_t value) {
    const int64_t doubled = int64_t{value} * 2;
    if (doubled > Int32Max) return Int32Max;
    if (doubled < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(doubled);
}

// The integer part of value, clamped to the int32 range (NaN gives 0), where
// a plain conversion would be undefined.
int32_t truncatedSaturated(float value) {
    if (value != value) return 0;
    if (value >= 2147483648.0f) return Int32Max;
    if (value <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

float clampToCursorLimit(float value) {
    if (value < -GameWorld::CursorLimit) return -GameWorld::CursorLimit;
    if (value > GameWorld::CursorLimit) return GameWorld::CursorLimit;
    return value;
}

bool ask(const std::function<bool()>& button) { return button && button(); }

}  // namespace

GameWorld::GameWorld() { scatterStars(); }

StarKind GameWorld::drawStarKind() {
    const float r = random.draw();
    if (r < 0.9f) return StarKind::Plain;
    if (r < 0.933f) return StarKind::Gold;
    if (r < 0.966f) return StarKind::Wings;
    return StarKind::DoublePoints;
}

void GameWorld::scatterStars() {
    for (int i = 0; i < StarCount; ++i) {
        starPositions[i].x = 2.0f * random.draw() - 1.0f;
        starPositions[i].y = spawnBand * random.draw();
        starKinds[i] = drawStarKind();
    }
}

void GameWorld::respawnStarAbove(int i) {
    starPositions[i].y = spawnBand * random.draw() + cameraY + SpawnAbove;
    starPositions[i].x = 2.0f * random.draw() - 1.0f;
    starKinds[i] = drawStarKind();
}

void GameWorld::endClimb() {
    if (velY < HardLandingSpeed) scatterStars();
    airborne = false;
    if (points > highscore) highscore = points;
    points = 0;
    velY = 0.0f;
    magicJumps = MagicJumpsPerClimb;
    catY = GroundY;
    cameraY = 0.0f;
}

void GameWorld::pickUp(int i, const PickupHandler& onPickup) {
    const StarKind kind = starKinds[i];
    switch (kind) {
    case StarKind::Plain: break;
    case StarKind::Gold:
        if (magicJumps < Int32Max) magicJumps += 1;
        break;
    case StarKind::Wings: wingsTime = WingsDuration; break;
    case StarKind::DoublePoints: points = doubledSaturated(points); break;
    }
    respawnStarAbove(i);
    velY = BounceSpeed;
    points = truncatedSaturated(static_cast<float>(points) + cameraY);
    if (onPickup) onPickup(Pickup{i, kind});
}

float GameWorld::clampFrameTime(float frameTime) {
    return std::fabs(frameTime) <= MaxFrameTime ? frameTime : 0.01f;
}

float GameWorld::update(const FrameInput& input, const PickupHandler& onPickup) {
    spawnBand = 4.0f + 0.02f * cameraY;

    const float dt = clampFrameTime(input.frameTime);

    // The divisors are the game's fixed screen size, whatever the window's.
    const float tx = clampToCursorLimit(static_cast<float>(input.cursorX) / 800.0f * 2.0f - 1.0f);
    const float ty = clampToCursorLimit(-(static_cast<float>(input.cursorY) / 600.0f * 2.0f - 1.0f));

    if (!airborne && !input.splashActive && ask(input.leftButton)) {
        airborne = true;
        velY += JumpSpeed;
    }

    magicJumpCooldown -= dt;
    if (airborne && magicJumpCooldown < 0.0f && magicJumps > 0 && ask(input.rightButton)) {
        magicJumps -= 1;
        velY = BounceSpeed;
        magicJumpCooldown = MagicJumpCooldownTime;
        magicJumpEffectTime = MagicJumpEffectDuration;
        magicJumpEffectX = catX;
        magicJumpEffectY = catY;
    }

    // A spring towards the cursor; while flying it pulls vertically as well.
    const float dx = tx - catX;
    const float dy = (ty + cameraY) - catY;
    velX += dx * SteeringGain * dt;
    if (wingsTime > 0.01f) velY += dy * SteeringGain * dt;

    catX += velX * dt;
    catY += velY * dt;

    if (airborne) {
        // Gravity after the move: it first shows in the next frame's move.
        if (wingsTime < 0.01f) velY += Gravity * dt;
        if (GroundY > catY + 0.01f) endClimb();
    }

    if (wingsTime > 0.0f) wingsTime -= dt;

    for (int i = 0; i < StarCount; ++i) {
        const float ex = catX - starPositions[i].x;
        const float ey = catY - starPositions[i].y;
        const float distance = std::sqrt(ex * ex + ey * ey);
        if (distance < PickupRadius) pickUp(i, onPickup);
        if (starPositions[i].y < cameraY - RecycleBelow) respawnStarAbove(i);
    }

    const float aim = catY + CameraLead - cameraY;
    if (std::fabs(aim) > CameraDeadZone) cameraY += aim * dt;
    if (cameraY < 0.0f) cameraY = 0.0f;

    // Damping in fixed 10 ms steps keeps it independent of the frame rate.
    dampingTime += dt;
    while (dampingTime > DampingStep) {
        velX *= HorizontalDamping;
        if (wingsTime > 0.01f) velY *= FlightDamping;
        dampingTime -= DampingStep;
    }
    return dt;
}
