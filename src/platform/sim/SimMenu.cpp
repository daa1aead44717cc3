// Menus of the simulated system.
#include <algorithm>
#include <cstring>

#include "platform/menus.h"
#include "platform/messages.h"
#include "platform/sim/SimMachine.h"

namespace platform {
using namespace sim::detail;

namespace {

Menu* FindMenu(Hmenu menu) {
  auto it = TheWindows().menus.find(menu);
  return it == TheWindows().menus.end() ? nullptr : &it->second;
}

sim::MenuItemInfo* FindItem(Hmenu menu, std::uint32_t item, std::uint32_t flags) {
  Menu* m = FindMenu(menu);
  if (!m) return nullptr;
  if (flags & MfByPosition) return item < m->items.size() ? &m->items[item] : nullptr;
  for (auto& entry : m->items) {
    if (!(entry.flags & MfPopup) && entry.id == item) return &entry;
  }
  for (auto& entry : m->items) {
    if (entry.flags & MfPopup) {
      if (auto* found = FindItem(entry.submenu, item, flags)) return found;
    }
  }
  return nullptr;
}

constexpr long ErrorInvalidWindowHandle = 1400;
constexpr long ErrorInvalidMenuHandle = 1401;
constexpr long ErrorPopupAlreadyActive = 1446;

bool Fail(long error) {
  sim::SetLastError(static_cast<std::uint32_t>(error));
  return false;
}

// The item the highlight moves to from position `from` (-1: none yet) by
// step (+1 down, -1 up), passing over separators and wrapping; -1 when the
// menu has no item that can take it.
int NextHighlight(const Menu& m, int from, int step) {
  const int n = static_cast<int>(m.items.size());
  const int start = from >= 0 ? from : (step > 0 ? -1 : n);
  for (int i = 1; i <= n; ++i) {
    const int at = ((start + step * i) % n + n) % n;
    if (!(m.items[static_cast<std::size_t>(at)].flags & MfSeparator)) return at;
  }
  return -1;
}

// The menu's own loop, as a test drives it: the arrow keys move the
// highlight, Enter chooses, Esc or a WM_CANCELMODE closes the menu, and
// every other message is dispatched. When the queue runs dry the owner
// hears WM_ENTERIDLE once; when that brings nothing either, the scripted
// choice (0: none) ends the menu, as the user would.
std::uintptr_t TrackMenu(Hmenu menu, Hwnd owner, std::uintptr_t scripted) {
  int highlight = -1;
  bool idleSent = false;
  for (;;) {
    Msg msg;
    if (!PeekMessageA(&msg, 0, 0, 0, PmRemove)) {
      if (idleSent || !Find(owner)) return scripted;
      idleSent = true;
      SendMessageA(owner, WmEnterIdle, MsgfMenu, 0);
      continue;
    }
    if (msg.message == WmQuit) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return 0;
    }
    const Menu* m = FindMenu(menu);
    if (!m) return 0;
    if (msg.message == WmKeyDown) {
      if (msg.wParam == static_cast<Wparam>(VkDown) || msg.wParam == static_cast<Wparam>(VkUp)) {
        highlight = NextHighlight(*m, highlight, msg.wParam == static_cast<Wparam>(VkDown) ? 1 : -1);
      } else if (msg.wParam == static_cast<Wparam>(VkEscape)) {
        return 0;
      } else if (msg.wParam == static_cast<Wparam>(VkReturn)) {
        if (highlight < 0) return 0;
        const sim::MenuItemInfo& item = m->items[static_cast<std::size_t>(highlight)];
        if (!(item.flags & MfPopup)) return (item.flags & MfGrayed) ? 0 : item.id;
      }
      continue;
    }
    if (msg.message == WmKeyUp || msg.message == WmChar) continue;
    DispatchMessageA(&msg);
    if (msg.message == WmCancelMode) return 0;
  }
}

Hmenu NewMenu(bool popup) {
  Hmenu handle = TheWindows().nextMenu;
  TheWindows().nextMenu += 4;
  TheWindows().menus[handle].popup = popup;
  return handle;
}

sim::MenuItemInfo MakeItem(std::uint32_t flags, std::uintptr_t idOrSubmenu, const char* text) {
  sim::MenuItemInfo item;
  item.flags = flags & ~MfByPosition;
  item.caption = (flags & MfSeparator) ? "-" : (text ? text : "");
  if (flags & MfPopup) {
    item.submenu = idOrSubmenu;
    item.id = 0;
  } else {
    item.submenu = 0;
    item.id = idOrSubmenu;
  }
  return item;
}

}  // namespace

Hmenu CreateMenu() { return NewMenu(false); }
Hmenu CreatePopupMenu() { return NewMenu(true); }

bool DestroyMenu(Hmenu menu) {
  Menu* m = FindMenu(menu);
  if (!m) return false;
  std::vector<Hmenu> subs;
  for (auto& item : m->items) {
    if (item.flags & MfPopup) subs.push_back(item.submenu);
  }
  TheWindows().menus.erase(menu);
  for (Hmenu sub : subs) DestroyMenu(sub);
  return true;
}

bool AppendMenuA(Hmenu menu, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char* text) {
  Menu* m = FindMenu(menu);
  if (!m) return false;
  m->items.push_back(MakeItem(flags, idOrSubmenu, text));
  return true;
}

int CheckMenuItem(Hmenu menu, std::uint32_t item, std::uint32_t flags) {
  sim::MenuItemInfo* entry = FindItem(menu, item, flags);
  if (!entry) return -1;
  int old = (entry->flags & MfChecked) ? static_cast<int>(MfChecked) : static_cast<int>(MfUnchecked);
  entry->flags = (entry->flags & ~MfChecked) | (flags & MfChecked);
  return old;
}

bool SetMenu(Hwnd window, Hmenu menu) {
  Window* w = Find(window);
  if (!w || (menu && !FindMenu(menu))) return false;
  w->menu = menu;
  return true;
}

Hmenu GetMenu(Hwnd window) {
  Window* w = Find(window);
  return w ? w->menu : 0;
}

bool DrawMenuBar(Hwnd window) { return Find(window) != nullptr; }

// The owner hears the menu open and close the way Windows tells it, and the
// chosen item's WM_COMMAND is posted after the menu has closed.
bool TrackPopupMenu(Hmenu menu, std::uint32_t, int x, int y, Hwnd owner) {
  std::uintptr_t scripted = TheWindows().popupChoice;
  TheWindows().popupChoice = 0;
  if (!FindMenu(menu)) return Fail(ErrorInvalidMenuHandle);
  if (!Find(owner)) return Fail(ErrorInvalidWindowHandle);
  auto& shown = TheWindows().menusShown;
  if (std::find(shown.begin(), shown.end(), menu) != shown.end()) return Fail(ErrorPopupAlreadyActive);
  TheWindows().popups.push_back({menu, x, y, owner});
  shown.push_back(menu);
  SendMessageA(owner, WmEnterMenuLoop, 1, 0);
  SendMessageA(owner, WmInitMenu, menu, 0);
  SendMessageA(owner, WmInitMenuPopup, menu, 0);
  const std::uintptr_t choice = TrackMenu(menu, owner, scripted);
  if (Find(owner)) {
    SendMessageA(owner, WmUninitMenuPopup, menu, 0);
    SendMessageA(owner, WmMenuSelect, MakeWparam(0, 0xFFFF), 0);
    SendMessageA(owner, WmExitMenuLoop, 1, 0);
  }
  shown.erase(std::find(shown.begin(), shown.end(), menu));
  if (choice) PostMessageA(owner, WmCommand, MakeWparam(static_cast<std::uint32_t>(choice), 0), 0);
  return true;
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

std::vector<PopupCall>& PopupCalls() { return TheWindows().popups; }
void SetPopupChoice(std::uintptr_t commandId) { TheWindows().popupChoice = commandId; }

bool MenuExists(platform::Hmenu menu) { return TheWindows().menus.count(menu) == 1; }

std::vector<MenuItemInfo> MenuItems(platform::Hmenu menu) {
  auto it = TheWindows().menus.find(menu);
  return it == TheWindows().menus.end() ? std::vector<MenuItemInfo>{} : it->second.items;
}

}  // namespace sim
