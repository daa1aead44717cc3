// Activation of top-level windows in the simulated system: the window that
// loses it is told first, then the one that takes it, whose default handling
// gives itself the keyboard focus unless it is minimised.
#include "platform/sim/SimWindowState.h"
#include "platform/sim/windows_world.h"

namespace sim::detail {

void Activate(platform::Hwnd window, bool foreground) {
  auto& st = S();
  platform::Hwnd old = st.active;
  st.active = window;
  if (foreground) st.foreground = window;
  // The window and each of its owners remember it as their last active one.
  for (Window* w = Find(window); w; w = (w->style & platform::WsChild) ? nullptr : Find(w->parent)) {
    w->lastActive = window;
  }
  if (old == window) return;
  if (Window* w = Find(old)) {
    platform::SendMessageA(old, platform::WmActivate, platform::MakeWparam(platform::WaInactive, w->iconic), window);
  }
  if (Window* w = Find(window); w && st.active == window) {
    platform::SendMessageA(window, platform::WmActivate, platform::MakeWparam(platform::WaActive, w->iconic), old);
  }
}

void ActivateAfter(platform::Hwnd leaving) {
  auto& st = S();
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
  if (!next) platform::SetFocus(0);
}

}  // namespace sim::detail

namespace sim {

void ActivateOtherProgram() {
  detail::Activate(0, true);
  // The program's thread keeps no focus once none of its windows is active.
  platform::SetFocus(0);
}

}  // namespace sim
