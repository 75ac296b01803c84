// The OpenGL ES 3.0 path of the renderer (WebGL 2 in the browser): whether
// the context of the last entry-point look-up speaks ES, and the functions
// that path calls beyond OpenGL 1.1. Without ES support in the build (the
// Windows build) the path is compiled out and never active.
#pragma once

namespace Zephra {
namespace ES {

#ifdef ZEPHRA_GLES
// True while the context that the last look-up pass ran in is an OpenGL ES
// context (its version string starts with "OpenGL ES").
bool active();
// Called by every look-up pass with its context current: tells ES from
// desktop GL, resolves the ES functions and forgets the objects of the
// previous context. False for an ES context older than 3.0 or one that lacks
// a function of the path.
bool contextStarted();
#else
constexpr bool active() { return false; }
inline bool contextStarted() { return true; }
#endif

// The generic attribute each vertex input is read from on ES, the same as
// the Cg runtime declares for the semantics there: POSITION 0, NORMAL 2,
// COLOR0 3, TEXCOORD0 to 7 at 8 to 15, ATTRn at n.
constexpr int positionSlot = 0;
constexpr int normalSlot = 2;
constexpr int colorSlot = 3;
constexpr int texCoordSlot0 = 8;
constexpr int slotCount = 16;

}  // namespace ES
}  // namespace Zephra
