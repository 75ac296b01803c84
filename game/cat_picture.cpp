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

// Moves a walk or run cycle on by the distance covered: at most one frame
// per call, the rest of the distance carried over.
int advanceCycle(float& phase, int& frame, float distance, int frameCount) {
    phase += distance;
    if (phase > 0.1f) {
        frame += 1;
        phase -= 0.1f;
    }
    if (frame >= frameCount) frame = 0;
    return frame + 1;
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
        picture.pose = CatPose::Run;
        picture.frame = advanceCycle(runPhase, runFrame, speed * dt, 3);
    } else if (speed > 0.1f) {
        // Walking animates three times faster per unit of speed.
        picture.pose = CatPose::Walk;
        picture.frame = advanceCycle(walkPhase, walkFrame, speed * dt * 3.0f, 4);
    }
    return picture;
}
