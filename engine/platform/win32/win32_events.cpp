// Win32 backend: the message pump.
// Implements: at most one message of the thread's queue per call, without
//   waiting; the quit message (posted by the window procedure for a close
//   request) is reported and not dispatched, anything else is translated and
//   dispatched to its window's procedure.
// Lacks: nothing is filtered: a burst of queued messages is worked off one
//   per call, so the quit message may wait behind others.
#include "platform/gl_context.h"
#include "platform/win32/win32_platform.h"

namespace Zephra {
namespace Platform {

PumpResult pumpOneEvent() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return PumpResult::None;
    if (message.message == WM_QUIT) return PumpResult::Quit;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return PumpResult::Other;
}

}  // namespace Platform
}  // namespace Zephra
