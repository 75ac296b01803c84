// Device start-up and teardown, the per-frame pump and presentation, and the
// capability check over the entry-point table.
#include "render/device.h"

#include "Cg/cgGL.h"
#include "platform/gl_context.h"
#include "platform/window.h"
#include "render/gl_entry_points.h"
#include "render/matrix.h"
#include "render/program.h"
#include "render/render_state.h"
#include "utils/exceptions.h"

namespace Zephra {

namespace {

// Compiled for both profiles at start-up: proves that Cg works on this system.
const char* const testSource =
    "float4 vsMain(in float4 p: POSITION): POSITION { return p; } float4 psMain(): COLOR { "
    "return float4(1,1,1,1); }";

const char* const notCapableMessage =
    "Your system is not capable of running this application. This has usually one of the "
    "following causes: \n\n - The graphics hardware device might be Zephra-incompatible. Your "
    "hardware must support at least Shader Model 2.0 to be Zephra-compatible.\n - The drivers "
    "might be outdated. Try downloading the latest drivers from your vendor.";

}  // namespace

Device* Device::current = nullptr;
bool Device::capable = true;

Device::Device(Window& window, int depthBits, int stencilBits, int samples, int floatColor)
    : window(window) {
    Device* previous = current;
    // A temporary context for the multisampled format passes the same check.
    context = Platform::createGLContext(window, depthBits, stencilBits, samples, floatColor == 1,
                                        &loadExtensions);
    Platform::makeCurrent(window, context);
    try {
        if (!loadExtensions()) throw Exceptions::DeviceNotCapableException(notCapableMessage);
        current = this;
        setViewport(0, 0, window.getWidth(), window.getHeight());
        resetViewMatrix();

        cgContext = cgCreateContext();
        cgSetErrorCallback(&onCgError);
        cgGLEnableProfile(CG_PROFILE_ARBVP1);
        cgGLEnableProfile(CG_PROFILE_ARBFP1);

        vertexTest.reset(new Shader(testSource, "vsMain", CG_PROFILE_ARBVP1));
        fragmentTest.reset(new Shader(testSource, "psMain", CG_PROFILE_ARBFP1));
        defaultProgram.reset(new Program(testSource, "vsMain", "psMain"));
        defaultProgram->bind();
    } catch (...) {
        // A refused device leaves nothing behind, and no dangling current.
        current = previous;
        release();
        throw;
    }
}

Device::~Device() {
    release();
    if (current == this) current = nullptr;
}

void Device::release() {
    // The Cg context goes first, with the OpenGL context that holds its
    // programs current (another device may have been current since: WGL
    // calls without a current context crash); programs of it still held
    // elsewhere must not be used after this.
    if (cgContext) {
        if (context) Platform::makeCurrent(window, context);
        cgDestroyContext(cgContext);
    }
    cgContext = nullptr;
    Platform::destroyGLContext(context);
    context = nullptr;
}

bool Device::update() {
    if (Platform::pumpOneEvent() == Platform::PumpResult::Quit) return false;
    Platform::swapBuffers(window);
    return true;
}

std::uintptr_t Device::getHandle(int kind) const {
    switch (kind) {
    case 0: return reinterpret_cast<std::uintptr_t>(window.getNativeHandle());
    case 1: return reinterpret_cast<std::uintptr_t>(Platform::getNativeSurface(window));
    case 2: return reinterpret_cast<std::uintptr_t>(Platform::getNativeContext(context));
    case 3: return reinterpret_cast<std::uintptr_t>(cgContext);
    default: return 0;
    }
}

bool Device::loadExtensions() {
    if (!GLEntryPoints::lookUp()) capable = false;  // never set back
    return capable;
}

}  // namespace Zephra
