// Win32 backend: the full-screen display-mode switch.
// Implements: the primary display's current mode with only width, height
//   and depth changed, set as a temporary full-screen change (not stored as
//   the user's setting); the pointer hidden for good.
// Lacks: the result is not checked: a display that cannot take the mode keeps
//   its own (the game runs on, pointer hidden). Nothing restores the mode;
//   the system does that when the process ends.
#include "platform/window.h"

#include "platform/win32/win32_platform.h"

namespace Zephra {

void changeDisplayMode(int width, int height, int bitsPerPixel) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof(mode);
    EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = static_cast<DWORD>(bitsPerPixel);
    // Only these three: refresh rate and all else stay the system's choice.
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
    ShowCursor(FALSE);
}

}  // namespace Zephra
