#pragma once
// The user's mouse in the simulated window system: the pointer moved over a
// window and its buttons pressed there, delivered as Windows delivers them.
#include "platform/types.h"

namespace sim {

enum class MouseButton { Left, Right, Middle };

// Moves the pointer to (x, y) of the client area of window, a top-level
// window. The window under the pointer is found as Windows finds it: the
// topmost child there (the first made among siblings), at any depth, that
// does not answer WM_NCHITTEST with HTTRANSPARENT, else its parent; while a
// window holds the capture, that one. It is asked for the pointer's shape
// (WM_SETCURSOR) and then told of the move (WM_MOUSEMOVE, in its own client
// coordinates, with the keys held). Returns that window.
platform::Hwnd MoveMouse(platform::Hwnd window, int x, int y);
// Moves the pointer there, then presses and releases the button: the
// window under the pointer gets the button's down and up messages.
platform::Hwnd ClickMouse(platform::Hwnd window, int x, int y, MouseButton button);
// The pointer's shape: the standard cursor (IDC_ARROW, IDC_HAND) the
// windows under it set last.
int CursorShape();

}  // namespace sim
