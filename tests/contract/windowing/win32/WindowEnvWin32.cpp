#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "WindowEnv.h"

namespace windowenv {
void Fresh() {}
void LetTimePassBusy(unsigned ms) { ::Sleep(ms); }

void ClickListViewCheckBox(platform::Hwnd list, int index) {
  const HWND h = reinterpret_cast<HWND>(list);
  RECT row{};
  row.left = LVIR_BOUNDS;
  if (!SendMessageA(h, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row)))
    throw std::runtime_error("the item has no rectangle");
  // The state image stands at the row's left end; where exactly is the list
  // view's own business, so ask it, and aim at the middle of what it says.
  int first = -1, last = -1;
  LVHITTESTINFO hit{};
  hit.pt.y = (row.top + row.bottom) / 2;
  for (hit.pt.x = row.left; hit.pt.x < row.right; ++hit.pt.x) {
    if (SendMessageA(h, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)) == index &&
        (hit.flags & LVHT_ONITEMSTATEICON)) {
      if (first < 0) first = hit.pt.x;
      last = hit.pt.x;
    }
  }
  if (first < 0) throw std::runtime_error("no point of the row is on its state image");
  const LPARAM at = MAKELPARAM((first + last) / 2, hit.pt.y);
  PostMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(h, WM_LBUTTONUP, 0, at);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
}  // namespace windowenv
