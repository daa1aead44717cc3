#include "WindowEnv.h"
#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"

namespace windowenv {
void Fresh() { sim::Reset(); }
void LetTimePassBusy(unsigned ms) { sim::AdvanceClockBusy(ms); }
void ClickListViewCheckBox(platform::Hwnd list, int index) { sim::ClickListViewCheckBox(list, index); }
}  // namespace windowenv
