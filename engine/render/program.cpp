// Cg programs, their parameters, the lazy state-matrix uploads and the Cg
// error handler.
#include "render/program.h"

#include <string>

#include "Cg/cgGL.h"
#include "render/device.h"
#include "render/matrix.h"
#include "render/texture.h"
#include "utils/exceptions.h"

namespace Zephra {

namespace {

CGcontext currentCgContext() {
    return Device::current ? reinterpret_cast<CGcontext>(Device::current->getHandle(3)) : nullptr;
}

void setMatrixIfDeclared(CGparameter parameter, const Matrix4& matrix) {
    if (parameter) cgGLSetMatrixParameterfc(parameter, matrix.data());
}

}  // namespace

Shader::Shader(const char* source, const char* entry, int profile) : profile(profile) {
    CGcontext context = currentCgContext();
    if (!context)
        throw Exceptions::Exception("A shader program needs a rendering device; none was created.");
    program = cgCreateProgram(context, CG_SOURCE, source, static_cast<CGprofile>(profile), entry,
                              nullptr);
    cgGLLoadProgram(program);
}

void Program::Parameter::setMatrix(const Matrix4& matrix) const {
    setMatrixIfDeclared(vertex, matrix);
    setMatrixIfDeclared(fragment, matrix);
}

void Program::Parameter::setFloat4(const float* values) const {
    if (vertex) cgSetParameter4fv(vertex, values);
    if (fragment) cgSetParameter4fv(fragment, values);
}

void Program::Parameter::setTexture(const Texture& texture) const {
    // Only fragment programs sample textures here.
    if (!fragment) return;
    cgGLSetTextureParameter(fragment, texture.getName());
    cgGLEnableTextureParameter(fragment);
}

Program::Program(const char* source, const char* vertexEntry, const char* fragmentEntry)
    : Program(source, source, vertexEntry, fragmentEntry) {}

Program::Program(const char* vertexSource, const char* fragmentSource, const char* vertexEntry,
                 const char* fragmentEntry)
    : vertex(new Shader(vertexSource, vertexEntry, CG_PROFILE_ARBVP1)),
      fragment(new Shader(fragmentSource, fragmentEntry, CG_PROFILE_ARBFP1)) {
    lookUpStateParameters();
}

Program::~Program() = default;

void Program::lookUpStateParameters() {
    world = getParameter("StateWorld");
    view = getParameter("StateView");
    projection = getParameter("StateProjection");
    worldView = getParameter("StateWorldView");
    viewProjection = getParameter("StateViewProjection");
    Parameter complete = getParameter("StateComplete");
    completeVertex = complete.vertex;
    completeFragment = complete.fragment;
}

void Program::bind() {
    cgGLBindProgram(vertex->getProgram());
    cgGLBindProgram(fragment->getProgram());
    stateWorldChanged = true;
    stateViewChanged = true;
    stateProjectionChanged = true;
}

void Program::applyStateMatrices() {
    if (!stateWorldChanged && !stateViewChanged && !stateProjectionChanged) return;

    // Products are formed only for the parameters that are sent.
    if (world.isDeclared() && stateWorldChanged) world.setMatrix(stateWorld);
    if (view.isDeclared() && stateViewChanged) view.setMatrix(stateView);
    if (projection.isDeclared() && stateProjectionChanged) projection.setMatrix(stateProjection);
    if (worldView.isDeclared() && (stateWorldChanged || stateViewChanged))
        worldView.setMatrix(stateView * stateWorld);
    if (viewProjection.isDeclared() && (stateViewChanged || stateProjectionChanged))
        viewProjection.setMatrix(stateProjection * stateView);
    if (completeVertex || completeFragment) {
        Matrix4 complete = stateProjection * (stateView * stateWorld);
        setMatrixIfDeclared(completeVertex, complete);
        setMatrixIfDeclared(completeFragment, complete);
    }

    stateWorldChanged = false;
    stateViewChanged = false;
    stateProjectionChanged = false;
}

Program::Parameter Program::getParameter(const char* name) const {
    return Parameter(cgGetNamedParameter(vertex->getProgram(), name),
                     cgGetNamedParameter(fragment->getProgram(), name));
}

void onCgError() {
    // Built whole, however long the listing; texts are copied as they are.
    std::string message;
    const char* text = cgGetErrorString(cgGetError());
    message += text ? text : "";
    message += '\n';
    CGerror second = cgGetError();
    if (second != CG_NO_ERROR) {
        text = cgGetErrorString(second);
        message += text ? text : "";
    }
    message += '\n';
    if (CGcontext context = currentCgContext()) {
        if (const char* listing = cgGetLastListing(context)) message += listing;
    }
    message += "\n\n";
    throw Exceptions::Exception(message);
}

}  // namespace Zephra
