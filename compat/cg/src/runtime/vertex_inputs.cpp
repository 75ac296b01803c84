// Varying vertex inputs from client arrays (cgGLSetParameterPointer and the
// client states) and from current values (cgGLSetParameter on a varying).
#include "runtime/vertex_inputs.h"

#include "Cg/cgGL.h"
#include "driver/compile.h"
#include "runtime/gl_api.h"
#include "runtime/parameter_checks.h"
#include "runtime/profiles.h"

using namespace cgrt;

namespace cgrt {
namespace {

enum class Input { Position, Normal, Color, SecondaryColor, TexCoord, Attribute };

struct InputBinding {
    Input input;
    int index = 0;  // texture unit or attribute number
};

// POSITION 0, NORMAL 2, COLOR0 3, COLOR1 4, TEXCOORDn 8 + n.
int esLocation(const std::string& glsl) {
    if (glsl == "gl_Normal") return 2;
    if (glsl == "gl_Color") return 3;
    if (glsl == "gl_SecondaryColor") return 4;
    if (glsl.compare(0, 16, "gl_MultiTexCoord") == 0) return 8 + std::stoi(glsl.substr(16));
    return 0;
}

// Whether a vertex input's semantic binds; worked out once per parameter.
bool bindsInput(_CGparameter& p) {
    if (!p.inputBound) {
        p.inputBindable = cgc::bindSemantic(cgc::Stage::Vertex, false, p.node.semantic, p.input);
        if (p.inputBindable) p.esInputLocation = esLocation(p.input.glsl);
        p.inputBound = true;
    }
    return p.inputBindable;
}

// Where the parameter's semantic takes its values from; raises when it is
// no vertex input or its call is missing from the context.
bool inputBinding(CGparameter p, InputBinding& out) {
    if (!checkParameter(p)) return false;
    if (!isVertexInput(*p) || !bindsInput(*p)) {
        raise(CG_INVALID_PARAMETER_ERROR);
        return false;
    }
    if (!loadGL()) {
        raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
        return false;
    }
    const cgc::SemanticBinding& b = p->input;
    const std::size_t texPrefixLength = 16;  // "gl_MultiTexCoord"
    if (b.attribute > 0) out = {Input::Attribute, b.attribute};
    // OpenGL ES has only generic attributes: each semantic is read from the
    // location that the GLSL ES back end gives it.
    else if (currentContextIsES()) out = {Input::Attribute, p->esInputLocation};
    else if (b.glsl == "gl_Vertex") out = {Input::Position, 0};
    else if (b.glsl == "gl_Normal") out = {Input::Normal, 0};
    else if (b.glsl == "gl_Color") out = {Input::Color, 0};
    else if (b.glsl == "gl_SecondaryColor") out = {Input::SecondaryColor, 0};
    else out = {Input::TexCoord, std::stoi(b.glsl.substr(texPrefixLength))};
    bool available = true;
    switch (out.input) {
    case Input::SecondaryColor: available = gl.glSecondaryColorPointer && gl.glSecondaryColor3dv; break;
    case Input::TexCoord: available = gl.glClientActiveTexture && gl.glMultiTexCoord4dv; break;
    case Input::Attribute:
        available = gl.glVertexAttribPointer && gl.glEnableVertexAttribArray && gl.glDisableVertexAttribArray &&
                    (gl.glVertexAttrib4dv || gl.glVertexAttrib4fv);
        break;
    default: break;
    }
    if (!available) raise(CG_UNSUPPORTED_GL_EXTENSION_ERROR);
    return available;
}

GLenum clientArray(Input input) {
    switch (input) {
    case Input::Position: return GL_VERTEX_ARRAY;
    case Input::Normal: return GL_NORMAL_ARRAY;
    case Input::Color: return GL_COLOR_ARRAY;
    case Input::SecondaryColor: return GL_SECONDARY_COLOR_ARRAY;
    default: return GL_TEXTURE_COORD_ARRAY;
    }
}

// Client-array state of a texture unit is chosen with the client-active
// unit, which goes back to unit 0 afterwards.
void setClientState(CGparameter p, bool enable) {
    InputBinding b;
    if (!inputBinding(p, b)) return;
    if (b.input == Input::Attribute) {
        GLuint index = static_cast<GLuint>(b.index);
        return enable ? gl.glEnableVertexAttribArray(index) : gl.glDisableVertexAttribArray(index);
    }
    if (b.input == Input::TexCoord) gl.glClientActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(b.index));
    enable ? glEnableClientState(clientArray(b.input)) : glDisableClientState(clientArray(b.input));
    if (b.input == Input::TexCoord) gl.glClientActiveTexture(GL_TEXTURE0);
}

}  // namespace

bool isVertexInput(const _CGparameter& p) {
    return p.program && p.program->stage == cgc::Stage::Vertex && p.node.varying && p.node.kind == cgc::ParameterKind::Leaf &&
           p.node.direction != cgc::ParameterDirection::Out;
}

void setVertexInputValue(_CGparameter& p, const double* v) {
    InputBinding b;
    if (!inputBinding(&p, b)) return;
    switch (b.input) {
    case Input::Position: glVertex4dv(v); break;
    case Input::Normal: glNormal3dv(v); break;
    case Input::Color: glColor4dv(v); break;
    case Input::SecondaryColor: gl.glSecondaryColor3dv(v); break;
    case Input::TexCoord: gl.glMultiTexCoord4dv(GL_TEXTURE0 + static_cast<GLenum>(b.index), v); break;
    case Input::Attribute:
        if (gl.glVertexAttrib4dv) {
            gl.glVertexAttrib4dv(static_cast<GLuint>(b.index), v);
        } else {  // ES takes floats only
            const GLfloat f[4] = {static_cast<GLfloat>(v[0]), static_cast<GLfloat>(v[1]),
                                  static_cast<GLfloat>(v[2]), static_cast<GLfloat>(v[3])};
            gl.glVertexAttrib4fv(static_cast<GLuint>(b.index), f);
        }
        break;
    }
}

}  // namespace cgrt

extern "C" {

void cgGLSetParameterPointer(CGparameter param, int fsize, unsigned int type, int stride, const void* pointer) {
    InputBinding b;
    if (!inputBinding(param, b)) return;
    bool sizeFits = fsize >= 1 && fsize <= 4;
    if (b.input == Input::Position) sizeFits = fsize >= 2;
    if (b.input == Input::Normal || b.input == Input::SecondaryColor) sizeFits = fsize == 3;
    if (b.input == Input::Color) sizeFits = fsize >= 3;
    if (!sizeFits || stride < 0) return raise(CG_INVALID_PARAMETER_ERROR);
    switch (b.input) {
    case Input::Position: glVertexPointer(fsize, type, stride, pointer); break;
    case Input::Normal: glNormalPointer(type, stride, pointer); break;
    case Input::Color: glColorPointer(fsize, type, stride, pointer); break;
    case Input::SecondaryColor: gl.glSecondaryColorPointer(fsize, type, stride, pointer); break;
    case Input::TexCoord:
        gl.glClientActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(b.index));
        glTexCoordPointer(fsize, type, stride, pointer);
        gl.glClientActiveTexture(GL_TEXTURE0);
        break;
    case Input::Attribute:
        // Integer data reaches the program as the numbers it holds, not normalised.
        gl.glVertexAttribPointer(static_cast<GLuint>(b.index), fsize, type, GL_FALSE, stride, pointer);
        break;
    }
}

void cgGLEnableClientState(CGparameter param) { setClientState(param, true); }

void cgGLDisableClientState(CGparameter param) { setClientState(param, false); }

}  // extern "C"
