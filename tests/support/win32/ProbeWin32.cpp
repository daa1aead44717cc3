// The probes over the real system: the calls themselves.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "support/Probe.h"

namespace probe {

namespace {
HWND H(platform::Hwnd window) { return reinterpret_cast<HWND>(window); }
HMENU M(platform::Hmenu menu) { return reinterpret_cast<HMENU>(menu); }
}  // namespace

std::uint32_t GetLastError() { return ::GetLastError(); }
void SetLastError(std::uint32_t code) { ::SetLastError(code); }

int GetClassNameA(platform::Hwnd window, char* buffer, int size) { return ::GetClassNameA(H(window), buffer, size); }
platform::Hwnd GetParent(platform::Hwnd window) { return reinterpret_cast<platform::Hwnd>(::GetParent(H(window))); }

bool GetWindowRect(platform::Hwnd window, platform::Rect* rect) {
  RECT r;
  if (!rect || !::GetWindowRect(H(window), &r)) return false;
  *rect = {r.left, r.top, r.right, r.bottom};
  return true;
}

int GetMenuItemCount(platform::Hmenu menu) { return ::GetMenuItemCount(M(menu)); }
int GetMenuStringA(platform::Hmenu menu, std::uint32_t item, char* buffer, int size, std::uint32_t flags) {
  return ::GetMenuStringA(M(menu), item, buffer, size, flags);
}
std::uint32_t GetMenuState(platform::Hmenu menu, std::uint32_t item, std::uint32_t flags) {
  return ::GetMenuState(M(menu), item, flags);
}

std::string ListViewGetColumnText(platform::Hwnd list, int index) {
  std::vector<char> buffer(1024, '\0');
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = buffer.data();
  column.cchTextMax = static_cast<int>(buffer.size());
  if (!::SendMessageA(H(list), LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&column))) return "";
  return std::string(column.pszText);
}

int ListViewGetItemCount(platform::Hwnd list) {
  return static_cast<int>(::SendMessageA(H(list), LVM_GETITEMCOUNT, 0, 0));
}

std::string ListViewGetItemText(platform::Hwnd list, int index) {
  std::vector<char> buffer(1024, '\0');
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  auto n = ::SendMessageA(H(list), LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
  return std::string(item.pszText, static_cast<std::size_t>(n > 0 ? n : 0));
}

std::uint32_t ListViewGetItemState(platform::Hwnd list, int index, std::uint32_t mask) {
  return static_cast<std::uint32_t>(::SendMessageA(H(list), LVM_GETITEMSTATE, index, mask));
}

bool ListViewGetCheckState(platform::Hwnd list, int index) {
  return (ListViewGetItemState(list, index, LVIS_STATEIMAGEMASK) >> 12) == 2;
}

long RegDeleteKeyA(platform::Hkey root, const char* subKey) {
  return ::RegDeleteKeyA(reinterpret_cast<HKEY>(root), subKey);
}

}  // namespace probe
