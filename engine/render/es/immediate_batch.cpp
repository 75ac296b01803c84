// The collected vertices hold every attribute slot; at the end of a pair
// only the slots ever set are packed and sent, interleaved, and the others
// read the context's current values (set once per context to GL's defaults).
#include "render/es/immediate_batch.h"

#include <array>
#include <cstring>
#include <vector>

#include "render/es/es_context.h"
#include "render/es/es_functions.h"

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
    std::vector<float> packed;
    GLuint buffer = 0;  // in the current context; 0 until the first draw
    // The arrays of the batch's own vertex array object, which keeps them
    // set up between draws: the slots it reads from `buffer` (0: not set up).
    GLuint vertexArray = 0;
    unsigned int arraySlots = 0;
};

Batch batch;

// Quads become two triangles each (0 1 2, 0 2 3); an incomplete last quad
// is dropped, as immediate mode drops it.
void appendVertex(const Slots& vertex) {
    for (int slot = 0; slot < slotCount; ++slot)
        if (batch.usedSlots & (1u << slot))
            batch.packed.insert(batch.packed.end(), vertex[slot].begin(), vertex[slot].end());
}

int pack() {
    batch.packed.clear();
    if (batch.mode != GL_QUADS) {
        for (const Slots& v : batch.vertices) appendVertex(v);
        return static_cast<int>(batch.vertices.size());
    }
    const std::size_t quads = batch.vertices.size() / 4;
    for (std::size_t q = 0; q < quads; ++q) {
        const Slots* v = &batch.vertices[4 * q];
        for (int corner : {0, 1, 2, 0, 2, 3}) appendVertex(v[corner]);
    }
    return static_cast<int>(quads * 6);
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

void endPrimitive() {
    if (!batch.open) return;
    batch.open = false;
    const GLenum mode = batch.mode == GL_QUADS ? GL_TRIANGLES : batch.mode;
    const int count = pack();
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
    if (batch.arraySlots != batch.usedSlots) {
        int used = 0;
        for (int slot = 0; slot < slotCount; ++slot)
            if (batch.usedSlots & (1u << slot)) ++used;
        const GLsizei stride = static_cast<GLsizei>(used * 4 * sizeof(float));
        std::size_t offset = 0;
        for (GLuint slot = 0; slot < slotCount; ++slot) {
            if (!(batch.usedSlots & (1u << slot))) {
                if (batch.arraySlots & (1u << slot)) gl.glDisableVertexAttribArray(slot);
                continue;
            }
            gl.glEnableVertexAttribArray(slot);
            gl.glVertexAttribPointer(slot, 4, GL_FLOAT, GL_FALSE, stride,
                                     reinterpret_cast<const void*>(offset));
            offset += 4 * sizeof(float);
        }
        batch.arraySlots = batch.usedSlots;
    }
    glDrawArrays(mode, 0, count);
}

void resetImmediateState() {
    batch = Batch();
    const Slots defaults = defaultValues();
    for (GLuint slot = 0; slot < slotCount; ++slot) gl.glVertexAttrib4fv(slot, defaults[slot].data());
}

}  // namespace ES
}  // namespace Zephra
