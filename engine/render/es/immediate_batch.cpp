// The collected vertices hold every attribute slot; at the end of a pair
// only the slots ever set are packed and sent, interleaved, and the others
// read the context's current values (set once per context to GL's defaults).
#include "render/es/immediate_batch.h"

#include <array>
#include <cstring>
#include <vector>

#include "render/es/es_context.h"
#include "render/es/es_functions.h"
#include "platform/gl_context.h"

namespace Zephra {
namespace ES {

namespace {

using Slots = std::array<std::array<float, 4>, slotCount>;

// OpenGL's initial current values: colour white, normal +z, the rest 0,0,0,1.
Slots defaultValues() {
    Slots values;
    for (auto& v : values) v = {0, 0, 0, 1};
    values[colorSlot] = {1, 1, 1, 1};
    values[normalSlot] = {0, 0, 1, 1};
    return values;
}

struct Batch {
    Slots current = defaultValues();
    unsigned int usedSlots = 1u << positionSlot;  // slots ever set; sent with every vertex
    bool open = false;
    GLenum mode = GL_POINTS;
    std::vector<Slots> vertices;
    GLuint buffer = 0;  // in the current context; 0 until the first draw
    // The arrays of the batch's own vertex array object, which keeps them
    // set up between draws: the slots it reads from `buffer` (0: not set up).
    GLuint vertexArray = 0;
    unsigned int arraySlots = 0;
    // Whether the platform flushes held drawing before any other GL call in
    // this context (Platform::guardHeldDrawing).
    bool mayHold = false;
    // The ended pairs not drawn yet, packed: all of one drawing mode and one
    // set of slots, so that they draw in one call.
    std::vector<float> packed;
    int packedVertices = 0;
    GLenum packedMode = GL_TRIANGLES;
    unsigned int packedSlots = 0;
};

Batch batch;
// Nonzero while pairs are held; the platform reads it before each GL call.
int held = 0;

// Quads become two triangles each (0 1 2, 0 2 3); an incomplete last quad
// is dropped, as immediate mode drops it.
void appendVertex(const Slots& vertex) {
    for (int slot = 0; slot < slotCount; ++slot)
        if (batch.usedSlots & (1u << slot))
            batch.packed.insert(batch.packed.end(), vertex[slot].begin(), vertex[slot].end());
}

// Appends the open pair's vertices to the packed ones; answers how many.
// Separate primitives end with their pair: an incomplete last one is
// dropped here, so that it cannot take vertices from the next pair.
int pack() {
    std::size_t count = batch.vertices.size();
    switch (batch.mode) {
    case GL_QUADS: {
        const std::size_t quads = count / 4;
        for (std::size_t q = 0; q < quads; ++q) {
            const Slots* v = &batch.vertices[4 * q];
            for (int corner : {0, 1, 2, 0, 2, 3}) appendVertex(v[corner]);
        }
        return static_cast<int>(quads * 6);
    }
    case GL_LINES: count -= count % 2; break;
    case GL_TRIANGLES: count -= count % 3; break;
    default: break;
    }
    for (std::size_t i = 0; i < count; ++i) appendVertex(batch.vertices[i]);
    return static_cast<int>(count);
}

// Separate points, lines and triangles (and quads, as triangles) draw the
// same in one call as in several; strips, loops and fans do not.
bool mergeable(GLenum mode) {
    return mode == GL_POINTS || mode == GL_LINES || mode == GL_TRIANGLES;
}

// Draws the held pairs; also what the platform calls before the next GL
// call while any are held.
void drawPacked() {
    held = 0;
    const int count = batch.packedVertices;
    batch.packedVertices = 0;
    if (count == 0) return;

    if (!batch.buffer) gl.glGenBuffers(1, &batch.buffer);
    if (!batch.vertexArray) gl.glGenVertexArrays(1, &batch.vertexArray);
    // The batch's arrays are set up again only when the slots in use change,
    // and its vertex array and buffer stay bound after the draw: a browser's
    // every GL call crosses into JavaScript, so the per-draw calls are few.
    // They are bound again for each draw, as other code may have bound its
    // own in between.
    gl.glBindVertexArray(batch.vertexArray);
    gl.glBindBuffer(GL_ARRAY_BUFFER, batch.buffer);
    gl.glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(batch.packed.size() * sizeof(float)),
                    batch.packed.data(), GL_STREAM_DRAW);
    batch.packed.clear();
    const unsigned int slots = batch.packedSlots;
    if (batch.arraySlots != slots) {
        int used = 0;
        for (int slot = 0; slot < slotCount; ++slot)
            if (slots & (1u << slot)) ++used;
        const GLsizei stride = static_cast<GLsizei>(used * 4 * sizeof(float));
        std::size_t offset = 0;
        for (GLuint slot = 0; slot < slotCount; ++slot) {
            if (!(slots & (1u << slot))) {
                if (batch.arraySlots & (1u << slot)) gl.glDisableVertexAttribArray(slot);
                continue;
            }
            gl.glEnableVertexAttribArray(slot);
            gl.glVertexAttribPointer(slot, 4, GL_FLOAT, GL_FALSE, stride,
                                     reinterpret_cast<const void*>(offset));
            offset += 4 * sizeof(float);
        }
        batch.arraySlots = slots;
    }
    glDrawArrays(batch.packedMode, 0, count);
}

}  // namespace

void beginPrimitive(unsigned int mode) {
    batch.open = true;
    batch.mode = mode;
    batch.vertices.clear();
}

void setAttribute(int slot, const float* values, int count) {
    if (slot < 0 || slot >= slotCount) return;
    auto& v = batch.current[slot];
    v = {0, 0, 0, 1};
    std::memcpy(v.data(), values, sizeof(float) * static_cast<std::size_t>(count));
    batch.usedSlots |= 1u << slot;
}

void emitVertex(const float* position) {
    if (!batch.open) return;
    std::memcpy(batch.current[positionSlot].data(), position, sizeof(float) * 4);
    batch.vertices.push_back(batch.current);
}

// Where the platform guards the context, a pair that can merge with the
// held ones joins them and is drawn with them, once other GL work or the
// frame's end needs it drawn. Nothing GL sees can change in between: any
// GL call that could change it draws the held pairs first.
void endPrimitive() {
    if (!batch.open) return;
    batch.open = false;
    const GLenum mode = batch.mode == GL_QUADS ? GL_TRIANGLES : batch.mode;
    if (batch.packedVertices > 0 && (mode != batch.packedMode || batch.usedSlots != batch.packedSlots))
        drawPacked();
    const int count = pack();
    batch.packedVertices += count;
    batch.packedMode = mode;
    batch.packedSlots = batch.usedSlots;
    if (batch.packedVertices == 0) return;
    if (batch.mayHold && mergeable(mode))
        held = 1;
    else
        drawPacked();
}

void resetImmediateState() {
    // What was held was drawn before this context became current.
    batch = Batch();
    held = 0;
    batch.mayHold = Platform::guardHeldDrawing(&held, &drawPacked);
    const Slots defaults = defaultValues();
    for (GLuint slot = 0; slot < slotCount; ++slot) gl.glVertexAttrib4fv(slot, defaults[slot].data());
}

}  // namespace ES
}  // namespace Zephra
