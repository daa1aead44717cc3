#pragma once
// Menu bars and pop-up menus.
#include <cstdint>

#include "platform/windowing.h"

namespace platform {

inline constexpr std::uint32_t MfString = 0x0;
inline constexpr std::uint32_t MfByCommand = 0x0;
inline constexpr std::uint32_t MfByPosition = 0x400;
inline constexpr std::uint32_t MfSeparator = 0x800;
inline constexpr std::uint32_t MfChecked = 0x8;
inline constexpr std::uint32_t MfUnchecked = 0x0;
inline constexpr std::uint32_t MfGrayed = 0x1;
inline constexpr std::uint32_t MfPopup = 0x10;
inline constexpr std::uint32_t TpmLeftAlign = 0x0;
inline constexpr std::uint32_t TpmRightButton = 0x2;

Hmenu CreateMenu();
Hmenu CreatePopupMenu();
bool DestroyMenu(Hmenu menu);
// With MF_POPUP, idOrSubmenu is the submenu's handle.
bool AppendMenuA(Hmenu menu, std::uint32_t flags, std::uintptr_t idOrSubmenu, const char* text);
// Returns the previous state (MF_CHECKED or MF_UNCHECKED), or -1 when the
// item does not exist.
int CheckMenuItem(Hmenu menu, std::uint32_t item, std::uint32_t flags);
bool SetMenu(Hwnd window, Hmenu menu);
Hmenu GetMenu(Hwnd window);
bool DrawMenuBar(Hwnd window);
// Shows the menu at screen point (x, y) until the user chooses or cancels;
// a chosen item sends WM_COMMAND with its id to owner.
bool TrackPopupMenu(Hmenu menu, std::uint32_t flags, int x, int y, Hwnd owner);

}  // namespace platform
