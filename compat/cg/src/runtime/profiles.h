// The profiles the runtime accepts. All compile to the same GLSL; a profile
// decides the stage and what the program may do.
#pragma once

#include "Cg/cg.h"
#include "driver/compile.h"

namespace cgrt {

struct ProfileInfo {
    CGprofile profile;
    const char* name;
    cgc::Stage stage;
    cgc::ProfileRules rules;
};

// Null for a profile this runtime does not know.
const ProfileInfo* findProfile(CGprofile profile);

}  // namespace cgrt
