#include "toolkit/controls/Messages.h"

namespace toolkit {

TShiftState MouseShiftState(platform::Wparam keys) {
  TShiftState s = 0;
  if (keys & platform::MkShift) s |= ssShift;
  if (keys & platform::MkControl) s |= ssCtrl;
  if (keys & platform::MkLButton) s |= ssLeft;
  if (keys & platform::MkRButton) s |= ssRight;
  if (keys & platform::MkMButton) s |= ssMiddle;
  return s;
}

TShiftState KeyboardShiftState() {
  TShiftState s = 0;
  if (platform::GetKeyState(platform::VkShift) < 0) s |= ssShift;
  if (platform::GetKeyState(platform::VkControl) < 0) s |= ssCtrl;
  if (platform::GetKeyState(platform::VkMenu) < 0) s |= ssAlt;
  return s;
}

}  // namespace toolkit
