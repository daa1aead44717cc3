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
  if (old == window) return;
  if (Window* w = Find(old)) {
    platform::SendMessageA(old, platform::WmActivate, platform::MakeWparam(platform::WaInactive, w->iconic), window);
  }
  if (Window* w = Find(window); w && st.active == window) {
    platform::SendMessageA(window, platform::WmActivate, platform::MakeWparam(platform::WaActive, w->iconic), old);
  }
}

}  // namespace sim::detail

namespace sim {

void ActivateOtherProgram() {
  detail::Activate(0, true);
  // The program's thread keeps no focus once none of its windows is active.
  platform::SetFocus(0);
}

}  // namespace sim
