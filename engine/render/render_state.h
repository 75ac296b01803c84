// Render state and immediate-mode drawing through engine enumerations. Each
// function acts on the OpenGL context that is current (the device's).
#pragma once

namespace Zephra {

// Capabilities for enable/disable. Other values are ignored.
enum RenderStateEnum : int {
    Blend = 0,
    DepthTest = 1,
    StencilTest = 2,
    ScissorTest = 3,
    CullFace = 4
};

// Blend factors. Other values throw IllegalEnumException.
enum BlendOperandEnum : int {
    Zero = 0,
    One = 1,
    SourceColor = 2,
    InverseSourceColor = 3,
    DestinationColor = 4,
    InverseDestinationColor = 5,
    SourceAlpha = 6,
    InverseSourceAlpha = 7,
    DestinationAlpha = 8,
    InverseDestinationAlpha = 9
};

// Primitive modes for begin. Other values throw IllegalEnumException.
enum PrimitiveTypeEnum : int {
    Points = 0,
    Lines = 1,
    LineStrip = 2,
    Triangles = 3,
    Quads = 4
};

// Buffers that clear clears. Other values clear nothing.
enum ClearTargetEnum : int {
    Color = 0,
    Depth = 1,
    Stencil = 2,
    ColorDepth = 3,
    ColorStencil = 4,
    DepthStencil = 5,
    All = 6
};

// The attribute one submit sets. Values without a name set nothing.
enum VertexAttributeEnum : int {
    VertexPosition = 0,   // emits the vertex, 4 floats
    VertexTexCoord0 = 2,  // units 0 to 7 are 2 to 9, 4 floats
    VertexTexCoord1 = 3,
    VertexTexCoord2 = 4,
    VertexTexCoord3 = 5,
    VertexTexCoord4 = 6,
    VertexTexCoord5 = 7,
    VertexTexCoord6 = 8,
    VertexTexCoord7 = 9,
    VertexNormal = 10,    // 3 floats
    VertexColor = 11,     // 4 floats
    VertexGeneric0 = 100, // generic attributes 0 to 15 are 100 to 115, 4 floats
    VertexGeneric15 = 115
};

void enable(RenderStateEnum state);   // glEnable of the capability
void disable(RenderStateEnum state);  // glDisable of the capability
// glBlendFunc of both factors; does not enable blending. Throws before any
// call when either factor is illegal.
void setBlendFunc(BlendOperandEnum source, BlendOperandEnum destination);
// Sets the stencil, depth and colour clear values, then clears target.
void clear(ClearTargetEnum target, float red, float green, float blue, float alpha,
           float depth, int stencil);
void setViewport(int x, int y, int width, int height);
// Begins a primitive; the caller ends it with glEnd(). Throws before
// beginning when the type is illegal.
void begin(PrimitiveTypeEnum type);
// Sets one attribute of the current vertex from values (read, not kept).
void submit(VertexAttributeEnum attribute, const float* values);
// submit with the four floats x, y, z, w.
void vertex(VertexAttributeEnum attribute, float x, float y, float z, float w);

// The OpenGL blend factor / primitive mode of an engine value; throw
// IllegalEnumException ("Illegal BlendOperandEnum", "Illegal PrimitiveTypeEnum").
unsigned int mapBlendOperand(BlendOperandEnum operand);
unsigned int mapPrimitiveType(PrimitiveTypeEnum type);

}  // namespace Zephra
