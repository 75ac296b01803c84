// Polled input: the state at the moment of the call, like an asynchronous
// key query. Events are not queued for these.
#pragma once

namespace Zephra {

class Window;

enum class KeyEnum { Escape };
enum class MouseButtonEnum { Left, Right };

// Whether the key is down now, or was pressed since the previous call: a tap
// that falls between two frames still counts, once, as with an asynchronous
// key query's "pressed since the last call" bit.
bool isKeyDown(KeyEnum key);
// Whether the button is down now, wherever the pointer is, or was pressed
// since the previous call for it: a click between two frames counts once.
bool isMouseButtonDown(MouseButtonEnum button);
// The pointer in window's client pixels; negative or beyond the size when
// the pointer is outside the window.
void getCursorPosition(const Window& window, int& x, int& y);

}  // namespace Zephra
