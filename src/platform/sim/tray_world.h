#pragma once
// The simulated notification area, seen from a test: every Shell_NotifyIconA
// call with its whole record, the icons shown, a shell that refuses, the
// cursor's position, BringWindowToTop calls and a restart of the taskbar.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/tray.h"

namespace sim {

// After Reset: no calls, no icons, the shell accepting everything, the
// cursor at (0, 0).

struct NotifyCall {
  std::uint32_t message;            // NIM_ADD, NIM_MODIFY or NIM_DELETE
  platform::NotifyIconData record;  // the 88 bytes as the shell got them
  bool succeeded;
};
// Every Shell_NotifyIconA call, in order.
std::vector<NotifyCall>& NotifyCalls();
// The icons the notification area shows now, with the record that made or
// last changed each.
std::vector<platform::NotifyIconData> TrayIcons();
// The shell refuses every call with this message (NIM_ADD, NIM_MODIFY,
// NIM_DELETE) while refusing is true.
void SetTrayRefuses(std::uint32_t message, bool refusing);
// The taskbar is not there (not yet, at a start at logon, or gone): every
// call fails and the icons are forgotten, until RestartTaskbar.
void StopTaskbar();
// The shell (re)starts its taskbar: every icon goes, and "TaskbarCreated" is
// sent to every top-level window.
void RestartTaskbar();
// "TaskbarCreated" alone while every icon stays, as some shells announce
// themselves after a theme or display change.
void AnnounceTaskbar();

void SetCursorPos(int x, int y);
std::vector<platform::Hwnd>& BringToTopCalls();

// The handles LoadIconA(0, id) gives for the system's icons.
inline constexpr platform::Hicon StockIconBase = 0x50000;

}  // namespace sim
