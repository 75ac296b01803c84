// Which picture shows the cat this frame, and whether it is mirrored. In the
// air the picture follows the vertical speed directly; on the ground the walk
// and run cycles advance with the distance covered.
#pragma once

enum class CatPose { Standing, Jump, Walk, Run };

struct CatPicture {
    CatPose pose = CatPose::Standing;
    int frame = 0;          // file number: jump 0-8, walk 1-4, run 1-3, 0 standing
    bool mirrored = true;   // the stored pictures face left; mirrored faces right
};

class CatAnimation {
public:
    // Chooses the picture for a cat in this state and advances the walk or
    // run cycle by the frame's clamped dt. Call once per drawn frame.
    CatPicture choose(bool airborne, float velX, float velY, float dt);

    // The cycles persist for the whole run; switching between walking and
    // running resumes each where it stopped.
    float runPhase = 0.0f;  // distance towards the next run frame
    int runFrame = 0;       // 0 to 2
    float walkPhase = 0.0f; // distance towards the next walk frame
    int walkFrame = 0;      // 0 to 3
};
