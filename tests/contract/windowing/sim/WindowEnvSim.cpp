#include "WindowEnv.h"
#include "platform/sim/dragdrop_world.h"
#include "platform/sim/mouse_world.h"
#include "platform/sim/shell_world.h"
#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"

namespace windowenv {
void Fresh() { sim::Reset(); }
void LetTimePassBusy(unsigned ms) { sim::AdvanceClockBusy(ms); }
void ClickListViewCheckBox(platform::Hwnd list, int index) { sim::ClickListViewCheckBox(list, index); }
void EditListViewLabel(platform::Hwnd list, int index, const std::string* text) {
  sim::EditListViewLabel(list, index, text);
}
void DropFiles(platform::Hwnd window, const std::vector<std::string>& paths, platform::Point point) {
  sim::DropFiles(window, paths, point);
}
int CursorShape() { return sim::CursorShape(); }
}  // namespace windowenv
