// Menus over the real API.
#include <windows.h>

#include "platform/menus.h"

namespace platform {

namespace {
HMENU M(Hmenu menu) { return reinterpret_cast<HMENU>(menu); }
}  // namespace

Hmenu CreateMenu() { return reinterpret_cast<Hmenu>(::CreateMenu()); }
Hmenu CreatePopupMenu() { return reinterpret_cast<Hmenu>(::CreatePopupMenu()); }
bool DestroyMenu(Hmenu menu) { return ::DestroyMenu(M(menu)) != 0; }
bool AppendMenuA(Hmenu menu, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char* text) {
  return ::AppendMenuA(M(menu), flags, idOrSubmenu, text) != 0;
}
int CheckMenuItem(Hmenu menu, std::uint32_t item, std::uint32_t flags) {
  return static_cast<int>(::CheckMenuItem(M(menu), item, flags));
}
bool SetMenu(Hwnd window, Hmenu menu) { return ::SetMenu(reinterpret_cast<HWND>(window), M(menu)) != 0; }
Hmenu GetMenu(Hwnd window) { return reinterpret_cast<Hmenu>(::GetMenu(reinterpret_cast<HWND>(window))); }
bool DrawMenuBar(Hwnd window) { return ::DrawMenuBar(reinterpret_cast<HWND>(window)) != 0; }
bool TrackPopupMenu(Hmenu menu, std::uint32_t flags, int x, int y, Hwnd owner) {
  return ::TrackPopupMenu(M(menu), flags, x, y, 0, reinterpret_cast<HWND>(owner), nullptr) != 0;
}

}  // namespace platform
