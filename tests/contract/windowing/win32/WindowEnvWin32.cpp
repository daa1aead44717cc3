#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <stdexcept>

#include "WindowEnv.h"

namespace windowenv {
namespace {
void DispatchQueued() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}
}  // namespace

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
  DispatchQueued();
}

void EditListViewLabel(platform::Hwnd list, int index, const std::string* text) {
  const HWND h = reinterpret_cast<HWND>(list);
  SetFocus(h);  // the list view edits a label only while it has the focus
  const auto edit = reinterpret_cast<HWND>(SendMessageA(h, LVM_EDITLABELA, static_cast<WPARAM>(index), 0));
  if (!edit) throw std::runtime_error("the list view opened no edit");
  if (text) SetWindowTextA(edit, text->c_str());
  SendMessageA(edit, WM_KEYDOWN, text ? VK_RETURN : VK_ESCAPE, 0);
  DispatchQueued();
}

// What the shell hands a window that accepts files: a DROPFILES record
// followed by the paths, each ending in a zero, and one more zero.
void DropFiles(platform::Hwnd window, const std::vector<std::string>& paths, platform::Point point) {
  std::string list;
  for (const std::string& path : paths) list += path + '\0';
  list += '\0';
  const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = {point.x, point.y};
  RECT client{};
  GetClientRect(reinterpret_cast<HWND>(window), &client);
  drop->fNC = !PtInRect(&client, drop->pt);
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  PostMessageA(reinterpret_cast<HWND>(window), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

int CursorShape() {
  const HCURSOR shown = GetCursor();
  for (int id : {32512, 32649}) {
    if (shown && shown == LoadCursorA(nullptr, MAKEINTRESOURCEA(id))) return id;
  }
  return 0;
}
}  // namespace windowenv
