// Cg vertex and fragment programs compiled at run time, their parameters,
// and the lazy upload of the state matrices.
#pragma once

#include <memory>

#include "Cg/cg.h"

namespace Zephra {

class Matrix4;
class Texture;

// One compiled and loaded Cg program. The Cg program itself lives until the
// process ends; deleting a Shader releases only this object.
class Shader {
public:
    // Compiles source's entry for profile (CG_PROFILE_ARBVP1 or
    // CG_PROFILE_ARBFP1) in the current device's Cg context; a compile
    // error throws Exceptions::Exception with the listing.
    Shader(const char* source, const char* entry, int profile);
    Shader(const Shader&) = delete;
    Shader& operator=(const Shader&) = delete;

    int getProfile() const { return profile; }
    CGprogram getProgram() const { return program; }

private:
    int profile;
    CGprogram program = nullptr;
};

// A vertex and a fragment program used together.
class Program {
public:
    // One parameter name in both programs; either handle may be null, and
    // the setters skip a null one.
    class Parameter {
    public:
        Parameter() = default;
        Parameter(CGparameter vertex, CGparameter fragment) : vertex(vertex), fragment(fragment) {}

        void setMatrix(const Matrix4& matrix) const;  // both handles
        void setFloat4(const float* values) const;    // both handles, 4 floats
        void setTexture(const Texture& texture) const; // fragment handle only

        bool isDeclared() const { return vertex || fragment; }

        CGparameter vertex = nullptr;
        CGparameter fragment = nullptr;
    };

    // Both entries from one source text.
    Program(const char* source, const char* vertexEntry, const char* fragmentEntry);
    // Each entry from its own source text.
    Program(const char* vertexSource, const char* fragmentSource, const char* vertexEntry,
            const char* fragmentEntry);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Binds both programs and marks all state matrices changed, so that the
    // next applyStateMatrices hands the whole state to this pair.
    void bind();
    // Uploads the state parameters whose input matrices changed, then clears
    // the change flags.
    void applyStateMatrices();
    // Asks both programs for name on every call; unknown names give two
    // null handles.
    Parameter getParameter(const char* name) const;

    const Shader& getVertexShader() const { return *vertex; }
    const Shader& getFragmentShader() const { return *fragment; }

private:
    void lookUpStateParameters();

    std::unique_ptr<Shader> vertex;
    std::unique_ptr<Shader> fragment;
    CGparameter completeVertex = nullptr;
    CGparameter completeFragment = nullptr;
    Parameter world;
    Parameter view;
    Parameter projection;
    Parameter worldView;
    Parameter viewProjection;
};

// The Cg error handler that the device installs: throws
// Exceptions::Exception with the error strings and the compiler listing.
[[noreturn]] void onCgError();

}  // namespace Zephra
