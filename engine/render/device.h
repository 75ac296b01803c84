// The rendering device: an OpenGL context on a window, the capability check,
// the Cg context with its two profiles, the per-frame pump and presentation.
#pragma once

#include <cstdint>
#include <memory>

#include "Cg/cg.h"

namespace Zephra {

class Window;
class Shader;
class Program;
namespace Platform {
struct GLContext;
}

class Device {
public:
    // Makes a double-buffered RGBA context current on window (which must
    // outlive the device) and starts Cg. samples > 0 asks for multisampling,
    // floatColor == 1 for a float colour buffer on that path. Throws
    // DeviceNotCapableException when an entry point is missing, and the Cg
    // error when the built-in test program does not compile.
    Device(Window& window, int depthBits, int stencilBits, int samples, int floatColor);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Handles at most one pending event: false for the quit request (nothing
    // presented), otherwise presents the frame and returns true.
    bool update();
    // 0 the native window, 1 the drawing surface, 2 the OpenGL context,
    // 3 the Cg context, any other kind 0.
    std::uintptr_t getHandle(int kind) const;
    // The window the device draws into (the font overlay takes its size).
    Window& getWindow() const { return window; }

    // One look-up pass over the entry-point table; returns capable.
    static bool loadExtensions();

    // The device constructed last (set once its context passed the check).
    static Device* current;
    // False for the rest of the process once any look-up pass missed a name.
    static bool capable;

private:
    Window& window;
    Platform::GLContext* context = nullptr;
    CGcontext cgContext = nullptr;
    std::unique_ptr<Shader> vertexTest;
    std::unique_ptr<Shader> fragmentTest;
    std::unique_ptr<Program> defaultProgram;
};

}  // namespace Zephra
