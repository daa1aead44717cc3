// The keyboard, the mouse capture, the pointer's shape and the clipboard
// of the simulated system.
#include "platform/sim/SimMachine.h"

namespace platform {
using namespace sim::detail;

Hwnd SetCapture(Hwnd window) {
  Hwnd old = TheWindows().capture;
  if (!Find(window)) return old;
  TheWindows().capture = window;
  if (old && old != window && Find(old)) SendMessageA(old, WmCaptureChanged, 0, static_cast<Lparam>(window));
  return old;
}

// The window that loses the capture is told, with the one that takes it
// (0 when released).
bool ReleaseCapture() {
  Hwnd old = TheWindows().capture;
  TheWindows().capture = 0;
  if (old && Find(old)) SendMessageA(old, WmCaptureChanged, 0, 0);
  return true;
}

Hwnd GetCapture() { return TheWindows().capture; }

short GetKeyState(int virtualKey) { return TheWindows().keysDown.count(virtualKey) ? static_cast<short>(0x8000) : 0; }

void SetCursorShape(int cursorId) { TheWindows().cursor = cursorId; }

}  // namespace platform

namespace sim {
using namespace sim::detail;

void SetClipboardText(const std::string& text) { TheWindows().clipboard = text; }
std::string ClipboardText() { return TheWindows().clipboard; }

void SetKeyDown(int virtualKey, bool down) {
  if (down) {
    TheWindows().keysDown.insert(virtualKey);
  } else {
    TheWindows().keysDown.erase(virtualKey);
  }
}

}  // namespace sim
