#pragma once
// The taskbar's notification area and what an icon there needs around it:
// the shell's icon record and call, the system's stock icons, the cursor's
// position for a pop-up menu, bringing a window to the top, and the message
// the shell broadcasts when its taskbar is created anew.
#include <cstdint>

#include "platform/windowing.h"

namespace platform {

// NOTIFYICONDATAA as the first shells knew it: 88 bytes, handles 32 bits
// wide as on 32-bit Windows (every handle of the program fits).
struct NotifyIconData {
  std::uint32_t cbSize = 0;
  std::uint32_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uint32_t hIcon = 0;
  char szTip[64] = {};
};
static_assert(sizeof(NotifyIconData) == 88, "the shell's original notification-icon record");

inline constexpr std::uint32_t NimAdd = 0;
inline constexpr std::uint32_t NimModify = 1;
inline constexpr std::uint32_t NimDelete = 2;
inline constexpr std::uint32_t NifMessage = 0x1;
inline constexpr std::uint32_t NifIcon = 0x2;
inline constexpr std::uint32_t NifTip = 0x4;

// Adds, changes or deletes the icon the record names (window and id);
// true on success. An add of an icon already there fails, so does a change
// of one that is not.
bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data);

// The system's own icons (no module): IDI_APPLICATION 32512.
inline constexpr int IdiApplication = 32512;
Hicon LoadIconA(std::uintptr_t noModule, int resourceId);

// A message number shared by every program that registers the same name
// (from 0xC000 up), or 0.
std::uint32_t RegisterWindowMessageA(const char* name);

bool GetCursorPos(Point* point);
bool BringWindowToTop(Hwnd window);

// Messages and answers the notification area's neighbours rely on.
inline constexpr std::uint32_t WmQueryEndSession = 0x0011;
inline constexpr std::uint32_t WmWindowPosChanged = 0x0047;
inline constexpr std::uint32_t WmRButtonDblClk = 0x0206;
inline constexpr std::uint32_t WmMButtonDblClk = 0x0209;

}  // namespace platform
