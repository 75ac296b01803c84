// Engine enumerations mapped to OpenGL by fixed tables, one call per function.
#include "render/render_state.h"

#include <GL/gl.h>
// Constants beyond OpenGL 1.1, which Windows' own gl.h stops at.
#include <GL/glext.h>

#include "platform/gl_context.h"
#include "render/es/es_context.h"
#include "render/gl_entry_points.h"
#include "utils/exceptions.h"

#ifdef ZEPHRA_GLES
#include "render/es/es_functions.h"
#include "render/es/immediate_batch.h"
#endif

namespace Zephra {

namespace {

const GLenum capabilities[] = {GL_BLEND, GL_DEPTH_TEST, GL_STENCIL_TEST, GL_SCISSOR_TEST,
                               GL_CULL_FACE};

// The destination colour factors come before the alpha factors here, unlike
// the numeric order of the OpenGL constants.
const GLenum blendFactors[] = {GL_ZERO,
                               GL_ONE,
                               GL_SRC_COLOR,
                               GL_ONE_MINUS_SRC_COLOR,
                               GL_DST_COLOR,
                               GL_ONE_MINUS_DST_COLOR,
                               GL_SRC_ALPHA,
                               GL_ONE_MINUS_SRC_ALPHA,
                               GL_DST_ALPHA,
                               GL_ONE_MINUS_DST_ALPHA};

const GLenum primitiveModes[] = {GL_POINTS, GL_LINES, GL_LINE_STRIP, GL_TRIANGLES, GL_QUADS};

const GLbitfield clearMasks[] = {
    GL_COLOR_BUFFER_BIT,
    GL_DEPTH_BUFFER_BIT,
    GL_STENCIL_BUFFER_BIT,
    GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT,
    GL_COLOR_BUFFER_BIT | GL_STENCIL_BUFFER_BIT,
    GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT,
    GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT};

// Whether value indexes table.
template <typename T, int N>
bool inTable(const T (&)[N], int value) {
    return value >= 0 && value < N;
}

using MultiTexCoord4fv = void (*)(GLenum unit, const GLfloat* values);
using VertexAttrib4fv = void (*)(GLuint index, const GLfloat* values);

// Both are resolved at device start-up; without a device there is nothing
// to call, and a null entry is skipped rather than jumped to.
void multiTexCoord(GLenum unit, const float* values) {
    auto call = reinterpret_cast<MultiTexCoord4fv>(GLEntryPoints::get(GLEntryPoints::MultiTexCoord4fv));
    if (call) call(unit, values);
}

void vertexAttrib(GLuint index, const float* values) {
    auto call = reinterpret_cast<VertexAttrib4fv>(GLEntryPoints::get(GLEntryPoints::VertexAttrib4fv));
    if (call) call(index, values);
}

#ifdef ZEPHRA_GLES
// OpenGL ES has no immediate mode: each attribute goes to the slot that the
// Cg runtime reads its semantic from there, and the position emits a vertex
// into the batch that glEnd draws.
void submitES(int value, const float* values) {
    if (value == VertexPosition) ES::emitVertex(values);
    else if (value >= VertexTexCoord0 && value <= VertexTexCoord7)
        ES::setAttribute(ES::texCoordSlot0 + (value - VertexTexCoord0), values, 4);
    else if (value == VertexNormal) ES::setAttribute(ES::normalSlot, values, 3);
    else if (value == VertexColor) ES::setAttribute(ES::colorSlot, values, 4);
    else if (value >= VertexGeneric0 && value <= VertexGeneric15)
        ES::setAttribute(value - VertexGeneric0, values, 4);
}
#endif

}  // namespace

void enable(RenderStateEnum state) {
    if (inTable(capabilities, state)) glEnable(capabilities[state]);
}

void disable(RenderStateEnum state) {
    if (inTable(capabilities, state)) glDisable(capabilities[state]);
}

unsigned int mapBlendOperand(BlendOperandEnum operand) {
    if (!inTable(blendFactors, operand))
        throw Exceptions::IllegalEnumException("Illegal BlendOperandEnum");
    return blendFactors[operand];
}

unsigned int mapPrimitiveType(PrimitiveTypeEnum type) {
    if (!inTable(primitiveModes, type))
        throw Exceptions::IllegalEnumException("Illegal PrimitiveTypeEnum");
    return primitiveModes[type];
}

void setBlendFunc(BlendOperandEnum source, BlendOperandEnum destination) {
    GLenum destinationFactor = mapBlendOperand(destination);
    GLenum sourceFactor = mapBlendOperand(source);
    glBlendFunc(sourceFactor, destinationFactor);
}

void clear(ClearTargetEnum target, float red, float green, float blue, float alpha, float depth,
           int stencil) {
    glClearStencil(stencil);
#ifdef ZEPHRA_GLES
    if (ES::active())
        ES::gl.glClearDepthf(depth);  // ES has only the float form
    else
#endif
        glClearDepth(depth);
    glClearColor(red, green, blue, alpha);
    glClear(inTable(clearMasks, target) ? clearMasks[target] : 0);
}

void setViewport(int x, int y, int width, int height) { glViewport(x, y, width, height); }

void begin(PrimitiveTypeEnum type) {
    GLenum mode = mapPrimitiveType(type);
#ifdef ZEPHRA_GLES
    if (ES::active()) return ES::beginPrimitive(mode);
#endif
    glBegin(mode);
}

void submit(VertexAttributeEnum attribute, const float* values) {
    int value = attribute;
#ifdef ZEPHRA_GLES
    if (ES::active()) return submitES(value, values);
#endif
    if (value == VertexPosition) {
        glVertex4fv(values);
    } else if (value == VertexTexCoord0) {
        glTexCoord4fv(values);
    } else if (value >= VertexTexCoord1 && value <= VertexTexCoord7) {
        multiTexCoord(GL_TEXTURE1 + (value - VertexTexCoord1), values);
    } else if (value == VertexNormal) {
        glNormal3fv(values);
    } else if (value == VertexColor) {
        glColor4fv(values);
    } else if (value >= VertexGeneric0 && value <= VertexGeneric15) {
        vertexAttrib(value - VertexGeneric0, values);
    }
}

void vertex(VertexAttributeEnum attribute, float x, float y, float z, float w) {
    const float values[4] = {x, y, z, w};
    submit(attribute, values);
}

}  // namespace Zephra

#ifdef ZEPHRA_GLES
// Callers end a primitive with glEnd() itself, also where the context has no
// immediate mode: this definition takes the place of the GL library's for the
// whole program (a definition in the program wins over a shared library's),
// draws the batch on ES and hands the call on to the library's own otherwise.
extern "C" void glEnd(void) {
    if (Zephra::ES::active()) return Zephra::ES::endPrimitive();
    using End = void (*)();
    // OpenGL 1.1 functions have one address for every context.
    static End libraryEnd = nullptr;
    if (!libraryEnd) libraryEnd = reinterpret_cast<End>(Zephra::Platform::getGLProcAddress("glEnd"));
    if (libraryEnd) libraryEnd();
}
#endif
