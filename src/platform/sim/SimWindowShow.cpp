// Showing, hiding, minimising and enabling windows of the simulated system.
// The active window hidden or minimised hands the activation on; a focus
// inside a window hidden goes to its parent, one in a window disabled goes.
#include "platform/sim/SimMachine.h"

namespace platform {
using namespace sim::detail;

namespace {
void SendSize(Hwnd window, const Window& w) {
  SendMessageA(window, WmSize, w.iconic ? SizeMinimized : SizeRestored,
               MakeLparam(w.rect.right - w.rect.left, w.rect.bottom - w.rect.top));
}
}  // namespace

bool ShowWindow(Hwnd window, int command) {
  Window* w = Find(window);
  if (!w) return false;
  TheWindows().shows.push_back({window, command});
  bool was = w->visible;
  bool wasIconic = w->iconic;
  switch (command) {
    case SwHide: w->visible = false; break;
    case SwMinimize:
    case SwShowMinimized:
      w->visible = true;
      w->iconic = true;
      break;
    default:
      w->visible = true;
      w->iconic = false;
      break;
  }
  bool activates = command == SwShow || command == SwShowNormal || command == SwRestore || command == SwShowMaximized;
  if (activates && IsTopLevel(*w)) {
    BringToTop(window);
    Activate(window, true);
  }
  if (w->needSize && w->visible) {
    w->needSize = false;
    SendSize(window, Window(*w));
  } else if (w->iconic != wasIconic) {
    SendSize(window, Window(*w));
  }
  if ((command == SwHide || command == SwMinimize) && Find(window)) ActivateAfter(window);
  const Hwnd focus = TheWindows().focus;
  if (command == SwHide && Find(window) && focus && (focus == window || IsChildOf(focus, window))) {
    const Window* hidden = Find(window);
    SetFocus((hidden->style & WsChild) ? hidden->parent : 0);
  }
  return was;
}

bool IsWindowVisible(Hwnd window) {
  for (Window* w = Find(window); w; w = (w->style & WsChild) ? Find(w->parent) : nullptr) {
    if (!w->visible) return false;
    if (!(w->style & WsChild)) return true;
  }
  return Find(window) != nullptr;
}

bool IsIconic(Hwnd window) {
  Window* w = Find(window);
  return w && w->iconic;
}

bool EnableWindow(Hwnd window, bool enable) {
  Window* w = Find(window);
  if (!w) return false;
  bool wasDisabled = !w->enabled;
  w->enabled = enable;
  if (!enable && (TheWindows().focus == window || IsChildOf(TheWindows().focus, window))) SetFocus(0);
  if (wasDisabled == enable && Find(window)) SendMessageA(window, WmEnable, enable ? 1 : 0, 0);
  return wasDisabled;
}

bool IsWindowEnabled(Hwnd window) {
  Window* w = Find(window);
  return w && w->enabled;
}

}  // namespace platform

namespace sim {
std::vector<ShowCall>& ShowCalls() { return detail::TheWindows().shows; }
}  // namespace sim
