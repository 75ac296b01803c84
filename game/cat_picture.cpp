#include "cat_picture.h"

#include <cmath>

namespace {

// The jump frame for a vertical speed: 0 rising fast to 8 falling fast.
int jumpFrame(float velY) {
    static constexpr float thresholds[] = {2.0f, 1.2f, 1.0f, 0.9f, 0.5f, -0.5f, -1.0f, -2.0f};
    int frame = 0;
    for (float threshold : thresholds) {
        if (velY > threshold) return frame;
        ++frame;
    }
    return frame;
}

}  // namespace

CatPicture CatAnimation::choose(bool airborne, float velX, float velY, float dt) {
    CatPicture picture;
    picture.mirrored = !(velX < 0.0f);
    if (airborne) {
        picture.pose = CatPose::Jump;
        picture.frame = jumpFrame(velY);
        return picture;
    }
    const float speed = std::fabs(velX);
    if (speed > 0.6f) {
        runPhase += speed * dt;
        if (runPhase > 0.1f) {
            runFrame += 1;
            runPhase -= 0.1f;
        }
        if (runFrame >= 3) runFrame = 0;
        picture.pose = CatPose::Run;
        picture.frame = runFrame + 1;
    } else if (speed > 0.1f) {
        walkPhase += speed * dt * 3.0f;
        if (walkPhase > 0.1f) {
            walkFrame += 1;
            walkPhase -= 0.1f;
        }
        if (walkFrame >= 4) walkFrame = 0;
        picture.pose = CatPose::Walk;
        picture.frame = walkFrame + 1;
    }
    return picture;
}
