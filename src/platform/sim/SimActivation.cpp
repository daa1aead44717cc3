// Activation, the foreground and the keyboard focus in the simulated
// system: the window that loses the activation is told first (its caption
// first, WM_NCACTIVATE, then WM_ACTIVATE), then the one that takes it, whose
// default handling gives itself the keyboard focus unless it is minimised.
// A focus left outside the window that took the activation then goes to
// that window, or nowhere when it is minimised or none of the program's
// took it.
#include "platform/sim/SimMachine.h"
#include "platform/sim/windows_world.h"

namespace sim::detail {

namespace {
platform::Hwnd RootOf(platform::Hwnd window) {
  const Window* w = Find(window);
  while (w && (w->style & platform::WsChild) && Find(w->parent)) w = Find(w->parent);
  return w ? w->handle : 0;
}
}  // namespace

void Activate(platform::Hwnd window, bool foreground) {
  auto& st = TheWindows();
  platform::Hwnd old = st.active;
  if (foreground) st.foreground = window;
  // The window and each of its owners remember it as their last active one.
  for (Window* w = Find(window); w; w = (w->style & platform::WsChild) ? nullptr : Find(w->parent)) {
    w->lastActive = window;
  }
  if (old == window) return;
  if (Window* w = Find(old)) {
    const bool iconic = w->iconic;
    platform::SendMessageA(old, WmNcActivate, 0, window);
    platform::SendMessageA(old, platform::WmActivate, platform::MakeWparam(platform::WaInactive, iconic), window);
  }
  st.active = window;
  if (Window* w = Find(window)) {
    const bool iconic = w->iconic;
    platform::SendMessageA(window, WmNcActivate, 1, old);
    platform::SendMessageA(window, platform::WmActivate, platform::MakeWparam(platform::WaActive, iconic), old);
  }
  if (st.active == window && RootOf(st.focus) != window) {
    const Window* w = Find(window);
    platform::SetFocus(w && !w->iconic ? window : 0);
  }
}

void ActivateAfter(platform::Hwnd leaving) {
  auto& st = TheWindows();
  if (st.active != leaving) return;
  const bool foreground = st.foreground == leaving;
  auto takes = [leaving](platform::Hwnd h) {
    const Window* w = Find(h);
    return w && h != leaving && IsTopLevel(*w) && w->visible && w->enabled && !w->iconic;
  };
  platform::Hwnd next = 0;
  if (const Window* w = Find(leaving); w && takes(w->parent)) {
    next = w->parent;
  } else {
    for (platform::Hwnd h : st.zorder) {
      if (takes(h)) {
        next = h;
        break;
      }
    }
  }
  Activate(next, foreground);
}

}  // namespace sim::detail

namespace platform {
using namespace sim::detail;

bool SetForegroundWindow(Hwnd window) {
  Window* w = Find(window);
  while (w && (w->style & WsChild)) w = Find(w->parent);
  if (!w || w->messageOnly) {
    sim::SetLastError(1400);  // ERROR_INVALID_WINDOW_HANDLE
    return false;
  }
  BringToTop(w->handle);
  Activate(w->handle, true);
  return true;
}

Hwnd GetForegroundWindow() { return TheWindows().foreground; }

bool SetWindowPos(Hwnd window, Hwnd insertAfter, int, int, int, int, std::uint32_t flags) {
  Window* w = Find(window);
  if (!w || !IsTopLevel(*w) || insertAfter != HwndTop || (flags & (SwpNoMove | SwpNoSize)) != (SwpNoMove | SwpNoSize)) {
    sim::SetLastError(87);  // ERROR_INVALID_PARAMETER: what the program never asks for
    return false;
  }
  BringToTop(window);
  if (!(flags & SwpNoActivate)) Activate(window, TheWindows().foreground != 0);
  return true;
}

Hwnd GetLastActivePopup(Hwnd window) {
  const Window* w = Find(window);
  if (!w) return 0;
  return Find(w->lastActive) ? w->lastActive : window;
}

Hwnd SetFocus(Hwnd window) {
  auto& st = TheWindows();
  Hwnd old = st.focus;
  if (window && !Find(window)) return 0;
  if (old == window) return old;
  st.focus = window;
  if (old && Find(old)) SendMessageA(old, WmKillFocus, window, 0);
  if (window && st.focus == window) SendMessageA(window, WmSetFocus, old, 0);
  return old;
}

Hwnd GetFocus() { return TheWindows().focus; }

}  // namespace platform

namespace sim {

void ActivateOtherProgram() { detail::Activate(0, true); }

}  // namespace sim
