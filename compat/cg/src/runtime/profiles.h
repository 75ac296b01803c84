// The profiles the runtime accepts. All compile to the same GLSL, GLSL 1.20
// or, on an OpenGL ES context and for glslesv/glslesf, GLSL ES 3.00; a
// profile decides the stage and what the program may do.
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

// Whether the current context is OpenGL ES (its version string starts with
// "OpenGL ES"); false without a current context. Always true in a browser,
// whose every context is WebGL.
bool currentContextIsES();

// The rules to compile `profile` with now: its own, with GLSL ES output
// where the current context is ES.
cgc::ProfileRules compileRules(const ProfileInfo& profile);

}  // namespace cgrt
