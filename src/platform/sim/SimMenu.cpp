// Menus of the simulated system.
#include <cstring>

#include "platform/menus.h"
#include "platform/sim/SimWindowState.h"

namespace platform {
using namespace sim::detail;

namespace {

Menu* FindMenu(Hmenu menu) {
  auto it = S().menus.find(menu);
  return it == S().menus.end() ? nullptr : &it->second;
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

Hmenu NewMenu(bool popup) {
  Hmenu handle = S().nextMenu;
  S().nextMenu += 4;
  S().menus[handle].popup = popup;
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
  S().menus.erase(menu);
  for (Hmenu sub : subs) DestroyMenu(sub);
  return true;
}

bool AppendMenuA(Hmenu menu, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char* text) {
  Menu* m = FindMenu(menu);
  if (!m) return false;
  m->items.push_back(MakeItem(flags, idOrSubmenu, text));
  return true;
}

bool ModifyMenuA(Hmenu menu, std::uint32_t position, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char* text) {
  sim::MenuItemInfo* item = FindItem(menu, position, flags);
  if (!item) return false;
  *item = MakeItem(flags, idOrSubmenu, text);
  return true;
}

int CheckMenuItem(Hmenu menu, std::uint32_t item, std::uint32_t flags) {
  sim::MenuItemInfo* entry = FindItem(menu, item, flags);
  if (!entry) return -1;
  int old = (entry->flags & MfChecked) ? static_cast<int>(MfChecked) : static_cast<int>(MfUnchecked);
  entry->flags = (entry->flags & ~MfChecked) | (flags & MfChecked);
  return old;
}

int GetMenuItemCount(Hmenu menu) {
  Menu* m = FindMenu(menu);
  return m ? static_cast<int>(m->items.size()) : -1;
}

int GetMenuStringA(Hmenu menu, std::uint32_t item, char* buffer, int size, std::uint32_t flags) {
  sim::MenuItemInfo* entry = FindItem(menu, item, flags);
  if (!entry || (entry->flags & MfSeparator)) return 0;
  if (!buffer || size <= 0) return static_cast<int>(entry->caption.size());
  int n = std::min<int>(static_cast<int>(entry->caption.size()), size - 1);
  std::memcpy(buffer, entry->caption.data(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return n;
}

std::uint32_t GetMenuState(Hmenu menu, std::uint32_t item, std::uint32_t flags) {
  sim::MenuItemInfo* entry = FindItem(menu, item, flags);
  return entry ? entry->flags : 0xFFFFFFFFu;
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

bool TrackPopupMenu(Hmenu menu, std::uint32_t, int x, int y, Hwnd owner) {
  if (!FindMenu(menu) || !Find(owner)) return false;
  S().popups.push_back({menu, x, y, owner});
  std::uintptr_t choice = S().popupChoice;
  S().popupChoice = 0;
  if (choice) PostMessageA(owner, WmCommand, MakeWparam(static_cast<std::uint32_t>(choice), 0), 0);
  return true;
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

std::vector<PopupCall>& PopupCalls() { return S().popups; }
void SetPopupChoice(std::uintptr_t commandId) { S().popupChoice = commandId; }

std::vector<MenuItemInfo> MenuItems(platform::Hmenu menu) {
  auto it = S().menus.find(menu);
  return it == S().menus.end() ? std::vector<MenuItemInfo>{} : it->second.items;
}

}  // namespace sim
