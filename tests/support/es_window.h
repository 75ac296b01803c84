// Windows whose contexts speak OpenGL ES 3.0, for the suites that draw on ES
// as the browser does.
#pragma once

#include <memory>

#include "platform/gl_context.h"
#include "platform/window.h"

#if defined(__SANITIZE_ADDRESS__)
#include <dlfcn.h>
#endif

namespace testsupport {

// SDL unloads the ES libraries with the last ES window. LeakSanitizer then
// misreads the process: it trips over the thread-local storage of the
// unloaded driver, and takes what the driver still points to for leaked.
// Under the sanitizers they stay loaded for the process; open ES windows
// while one of these lives.
struct ESDriverStartUp {
#if defined(__SANITIZE_ADDRESS__)
    ESDriverStartUp() {
        for (const char* library : {"libEGL.so.1", "libGLESv2.so.2", "libEGL_mesa.so.0", "libglapi.so.0"})
            dlopen(library, RTLD_NOW | RTLD_NODELETE);
    }
#else
    ~ESDriverStartUp() {}  // not trivial: a variable of this type is not "unused"
#endif
};

// Chooses ES, opens the window, and goes back to desktop GL when closed.
class ESWindow {
public:
    ESWindow(int width, int height, bool framed) {
        Zephra::Platform::setContextAPI(Zephra::Platform::ContextAPI::ES);
        try {
            ESDriverStartUp startUp;
            window = std::make_unique<Zephra::Window>(width, height, framed);
        } catch (...) {
            Zephra::Platform::setContextAPI(Zephra::Platform::ContextAPI::Desktop);
            throw;
        }
    }
    ~ESWindow() {
        window.reset();
        Zephra::Platform::setContextAPI(Zephra::Platform::ContextAPI::Desktop);
    }
    ESWindow(const ESWindow&) = delete;
    ESWindow& operator=(const ESWindow&) = delete;

    Zephra::Window& operator*() const { return *window; }

private:
    std::unique_ptr<Zephra::Window> window;
};

}  // namespace testsupport
