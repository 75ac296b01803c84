// The process-wide choice of OpenGL API for new contexts. The browser has
// only WebGL 2, which is OpenGL ES 3.0.
#include "platform/gl_context.h"

namespace Zephra {
namespace Platform {

namespace {
#ifdef __EMSCRIPTEN__
ContextAPI chosen = ContextAPI::ES;
#else
ContextAPI chosen = ContextAPI::Desktop;
#endif
}  // namespace

void setContextAPI(ContextAPI api) { chosen = api; }

ContextAPI getContextAPI() { return chosen; }

}  // namespace Platform
}  // namespace Zephra
