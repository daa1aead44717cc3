#include "WindowEnv.h"
#include "platform/messages.h"
#include "platform/sim/windows_world.h"

namespace windowenv {
void Fresh() { sim::ResetWindows(); }
void LetTimePassBusy(unsigned ms) { sim::AdvanceClockBusy(ms); }
std::string DialogItemText(platform::Hwnd dialog, int id) {
  for (const sim::WindowInfo& w : sim::Windows()) {
    if (w.parent == dialog && platform::GetWindowLongA(w.handle, platform::GwlId) == id) return w.title;
  }
  return "";
}
}  // namespace windowenv
