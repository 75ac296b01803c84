// The GL context the runner loads and links on: a hidden window of the
// engine's platform layer. Each kind of context is one enumerator and one
// branch of openSession, so that another (GLES through EGL, say) is one more.
#pragma once

#include <memory>
#include <string>

namespace cgcollection {

enum class ContextKind { DesktopGL, ES };

// Parses a --context value ("gl", "es"); false for a name it does not know.
bool parseContextKind(const std::string& name, ContextKind& kind);
const char* contextKindName(ContextKind kind);

class GLSession {
public:
    virtual ~GLSession() = default;
};

// A current context of the kind, or null with `error` set.
std::unique_ptr<GLSession> openSession(ContextKind kind, std::string& error);

}  // namespace cgcollection
