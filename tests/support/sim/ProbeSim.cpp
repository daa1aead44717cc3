// The probes over the simulated machine, read through its test-facing side.
#include <algorithm>
#include <cstring>

#include "platform/commctrl.h"
#include "platform/menus.h"
#include "platform/sim/windows_world.h"
#include "platform/sim/world.h"
#include "support/Probe.h"

namespace probe {

namespace {

using platform::Hmenu;
using platform::Hwnd;

int CopyText(const std::string& text, char* buffer, int size) {
  if (!buffer || size <= 0) return 0;
  const int n = std::min<int>(static_cast<int>(text.size()), size - 1);
  std::memcpy(buffer, text.data(), static_cast<std::size_t>(n));
  buffer[n] = '\0';
  return n;
}

// By position, or by command among the menu's items and then its submenus'.
bool FindItem(Hmenu menu, std::uint32_t item, std::uint32_t flags, sim::MenuItemInfo* found) {
  const std::vector<sim::MenuItemInfo> items = sim::MenuItems(menu);
  if (flags & platform::MfByPosition) {
    if (item >= items.size()) return false;
    *found = items[item];
    return true;
  }
  for (const auto& entry : items) {
    if (!(entry.flags & platform::MfPopup) && entry.id == item) {
      *found = entry;
      return true;
    }
  }
  for (const auto& entry : items) {
    if ((entry.flags & platform::MfPopup) && FindItem(entry.submenu, item, flags, found)) return true;
  }
  return false;
}

// A child keeps its place in its parent's client area; the screen position
// adds where that client area lies on the screen, up to the top-level window.
platform::Rect ScreenRect(const sim::WindowInfo& w) {
  sim::WindowInfo parent;
  const bool topLevel = !w.messageOnly && (w.parent == 0 || !(w.style & platform::WsChild));
  if (topLevel || !sim::GetWindowInfo(w.parent, &parent)) return w.rect;
  const platform::Rect outer = ScreenRect(parent);
  platform::Rect frame{0, 0, 0, 0};
  const bool hasMenu = platform::GetMenu(parent.handle) != 0 && !(parent.style & platform::WsChild);
  platform::AdjustWindowRectEx(&frame, parent.style, hasMenu, parent.exStyle);
  const int dx = outer.left - frame.left, dy = outer.top - frame.top;
  return {w.rect.left + dx, w.rect.top + dy, w.rect.right + dx, w.rect.bottom + dy};
}

}  // namespace

std::uint32_t GetLastError() { return sim::LastError(); }
void SetLastError(std::uint32_t code) { sim::SetLastError(code); }

int GetClassNameA(Hwnd window, char* buffer, int size) {
  sim::WindowInfo info;
  return sim::GetWindowInfo(window, &info) ? CopyText(info.className, buffer, size) : 0;
}

Hwnd GetParent(Hwnd window) {
  sim::WindowInfo info;
  return sim::GetWindowInfo(window, &info) ? info.parent : 0;
}

bool GetWindowRect(Hwnd window, platform::Rect* rect) {
  sim::WindowInfo info;
  if (!rect || !sim::GetWindowInfo(window, &info)) return false;
  *rect = ScreenRect(info);
  return true;
}

int GetMenuItemCount(Hmenu menu) { return sim::MenuExists(menu) ? static_cast<int>(sim::MenuItems(menu).size()) : -1; }

int GetMenuStringA(Hmenu menu, std::uint32_t item, char* buffer, int size, std::uint32_t flags) {
  sim::MenuItemInfo entry;
  if (!FindItem(menu, item, flags, &entry) || (entry.flags & platform::MfSeparator)) return 0;
  if (!buffer || size <= 0) return static_cast<int>(entry.caption.size());
  return CopyText(entry.caption, buffer, size);
}

std::uint32_t GetMenuState(Hmenu menu, std::uint32_t item, std::uint32_t flags) {
  sim::MenuItemInfo entry;
  return FindItem(menu, item, flags, &entry) ? entry.flags : 0xFFFFFFFFu;
}

std::string ListViewGetColumnText(Hwnd list, int index) {
  const std::vector<std::string> columns = sim::ListViewColumns(list);
  return index >= 0 && index < static_cast<int>(columns.size()) ? columns[static_cast<std::size_t>(index)] : "";
}

int ListViewGetItemCount(Hwnd list) { return static_cast<int>(sim::ListViewItems(list).size()); }

std::string ListViewGetItemText(Hwnd list, int index) {
  const std::vector<sim::ListViewItemInfo> items = sim::ListViewItems(list);
  return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)].text : "";
}

std::uint32_t ListViewGetItemState(Hwnd list, int index, std::uint32_t mask) {
  const std::vector<sim::ListViewItemInfo> items = sim::ListViewItems(list);
  if (index < 0 || index >= static_cast<int>(items.size())) return 0;
  return items[static_cast<std::size_t>(index)].state & mask;
}

bool ListViewGetCheckState(Hwnd list, int index) {
  return (ListViewGetItemState(list, index, platform::LvisStateImageMask) >> 12) == 2;
}

long RegDeleteKeyA(platform::Hkey root, const char* subKey) { return sim::RegDeleteKeyA(root, subKey); }

}  // namespace probe
