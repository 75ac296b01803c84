// Immediate-mode drawing where the context has none (OpenGL ES, WebGL 2):
// the vertices of a begin/end pair are collected with the attributes last
// set for each, and drawn from a buffer object when the pair ends, quads as
// two triangles each. Attributes keep their values across pairs, as GL's
// current values do. The batch's vertex array object and buffer stay bound
// after a draw. Where the platform guards the context (the browser's), pairs
// of separate primitives are held and drawn together, in one call, before the
// next GL call that could change or read what they draw: a program sees the
// same pixels, in the same order, as if each pair drew at its end. Internal
// to engine/render.
#pragma once

namespace Zephra {
namespace ES {

// Starts collecting a primitive of the OpenGL mode (GL_QUADS included). A
// pair still open is dropped.
void beginPrimitive(unsigned int mode);
// Sets an attribute slot (see es_context.h) from count floats (3 or 4; a
// missing w is 1), for the vertices emitted after it, in this pair and later.
void setAttribute(int slot, const float* values, int count);
// Emits a vertex at position (4 floats) with the current attributes; ignored
// outside a begin/end pair.
void emitVertex(const float* position);
// Draws what was collected, or holds it (see above); nothing without an
// open pair.
void endPrimitive();
// A new context: no buffer object yet, attributes back to GL's defaults,
// and whether the platform lets drawing be held there.
void resetImmediateState();

}  // namespace ES
}  // namespace Zephra
