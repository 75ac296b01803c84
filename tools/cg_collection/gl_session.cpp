#include "gl_session.h"

#include "platform/gl_context.h"
#include "platform/window.h"
#include "utils/exceptions.h"

namespace cgcollection {
namespace {

class DesktopSession : public GLSession {
public:
    DesktopSession() : window(16, 16, false) {}
    ~DesktopSession() override {
        if (context) Zephra::Platform::destroyGLContext(context);
    }
    bool open() {
        context = Zephra::Platform::createGLContext(window, 24, 8, 0, false);
        if (context) Zephra::Platform::makeCurrent(window, context);
        return context != nullptr;
    }

private:
    Zephra::Window window;
    Zephra::Platform::GLContext* context = nullptr;
};

}  // namespace

bool parseContextKind(const std::string& name, ContextKind& kind) {
    if (name == "gl") {
        kind = ContextKind::DesktopGL;
        return true;
    }
    return false;
}

const char* contextKindName(ContextKind kind) {
    switch (kind) {
    case ContextKind::DesktopGL: return "gl";
    }
    return "?";
}

std::unique_ptr<GLSession> openSession(ContextKind kind, std::string& error) {
    switch (kind) {
    case ContextKind::DesktopGL:
        try {
            auto session = std::make_unique<DesktopSession>();
            if (session->open()) return session;
            error = "no desktop OpenGL context could be made on a hidden window";
        } catch (const Zephra::Exceptions::Exception& e) {
            error = e.getMessage();
        }
        return nullptr;
    }
    error = "unknown context kind";
    return nullptr;
}

}  // namespace cgcollection
