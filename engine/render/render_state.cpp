// Engine enumerations mapped to OpenGL by fixed tables, one call per function.
#include "render/render_state.h"

#include <GL/gl.h>
// Constants beyond OpenGL 1.1, which Windows' own gl.h stops at.
#include <GL/glext.h>

#include "render/gl_entry_points.h"
#include "utils/exceptions.h"

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
    glClearDepth(depth);
    glClearColor(red, green, blue, alpha);
    glClear(inTable(clearMasks, target) ? clearMasks[target] : 0);
}

void setViewport(int x, int y, int width, int height) { glViewport(x, y, width, height); }

void begin(PrimitiveTypeEnum type) { glBegin(mapPrimitiveType(type)); }

void submit(VertexAttributeEnum attribute, const float* values) {
    int value = attribute;
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
