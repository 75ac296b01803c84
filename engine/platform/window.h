// The application window. The backend (engine/platform/<backend>/) owns the
// native window; nothing here names a window-system type.
#pragma once

namespace Zephra {

class Window {
public:
    // Creates, shows and focuses a window whose client area is width x height.
    // Framed: caption with a close box, not resizable, at (5, 5).
    // Frameless: no decoration, at (0, 0).
    Window(int width, int height, bool framed);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Current client-area size, asked of the window system on every call.
    int getWidth() const;
    int getHeight() const;

    // The backend's native window object (opaque to the rest of the engine).
    void* getNativeHandle() const;

private:
    void* handle;
};

// Switches the display to width x height at bitsPerPixel for the game's
// window and hides the pointer for good. A mode the display cannot take is
// not an error.
void changeDisplayMode(int width, int height, int bitsPerPixel);

}  // namespace Zephra
