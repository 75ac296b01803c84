#include "gl_session.h"

#include "platform/gl_context.h"
#include "platform/window.h"
#include "utils/exceptions.h"

namespace cgcollection {
namespace {

// The platform layer makes the kind of context chosen when the window is
// made: ES through EGL, or desktop GL.
Zephra::Platform::ContextAPI chooseAPI(Zephra::Platform::ContextAPI api) {
    Zephra::Platform::setContextAPI(api);
    return api;
}

class PlatformSession : public GLSession {
public:
    explicit PlatformSession(Zephra::Platform::ContextAPI api) : api(chooseAPI(api)), window(16, 16, false) {}
    ~PlatformSession() override {
        if (context) Zephra::Platform::destroyGLContext(context);
    }
    bool open() {
        context = Zephra::Platform::createGLContext(window, 24, 8, 0, false);
        if (context) Zephra::Platform::makeCurrent(window, context);
        return context != nullptr;
    }

private:
    Zephra::Platform::ContextAPI api;
    Zephra::Window window;
    Zephra::Platform::GLContext* context = nullptr;
};

}  // namespace

bool parseContextKind(const std::string& name, ContextKind& kind) {
    if (name == "gl") {
        kind = ContextKind::DesktopGL;
        return true;
    }
    if (name == "es") {
        kind = ContextKind::ES;
        return true;
    }
    return false;
}

const char* contextKindName(ContextKind kind) {
    switch (kind) {
    case ContextKind::DesktopGL: return "gl";
    case ContextKind::ES: return "es";
    }
    return "?";
}

std::unique_ptr<GLSession> openSession(ContextKind kind, std::string& error) {
    const bool es = kind == ContextKind::ES;
    try {
        auto session = std::make_unique<PlatformSession>(es ? Zephra::Platform::ContextAPI::ES
                                                            : Zephra::Platform::ContextAPI::Desktop);
        if (session->open()) return session;
        error = es ? "no OpenGL ES 3.0 context could be made on a hidden window"
                   : "no desktop OpenGL context could be made on a hidden window";
    } catch (const Zephra::Exceptions::Exception& e) {
        error = e.getMessage();
    }
    return nullptr;
}

}  // namespace cgcollection
