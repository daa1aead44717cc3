#include "WindowEnv.h"
#include "platform/sim/windows_world.h"

namespace windowenv {
void Fresh() { sim::ResetWindows(); }
void LetTimePassBusy(unsigned ms) { sim::AdvanceClockBusy(ms); }
void ClickListViewCheckBox(platform::Hwnd list, int index) { sim::ClickListViewCheckBox(list, index); }
}  // namespace windowenv
