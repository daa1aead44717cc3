// The notification area and its neighbours over the real API.
#include <windows.h>
#include <shellapi.h>

#include "platform/tray.h"

namespace platform {

bool Shell_NotifyIconA(std::uint32_t message, const NotifyIconData* data) {
  // The record is the shell's first layout, which cbSize 88 names.
  NOTIFYICONDATAA record{};
  if (!data) return false;
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(data->hWnd));
  record.uID = data->uID;
  record.uFlags = data->uFlags;
  record.uCallbackMessage = data->uCallbackMessage;
  record.hIcon = reinterpret_cast<HICON>(static_cast<std::uintptr_t>(data->hIcon));
  static_assert(sizeof(data->szTip) == 64);
  CopyMemory(record.szTip, data->szTip, sizeof(data->szTip));
  return ::Shell_NotifyIconA(message, &record) != FALSE;
}

Hicon LoadIconA(std::uintptr_t noModule, int resourceId) {
  return reinterpret_cast<Hicon>(::LoadIconA(reinterpret_cast<HINSTANCE>(noModule), MAKEINTRESOURCEA(resourceId)));
}

std::uint32_t RegisterWindowMessageA(const char* name) { return ::RegisterWindowMessageA(name); }

bool GetCursorPos(Point* point) {
  POINT p{};
  if (!point || !::GetCursorPos(&p)) return false;
  point->x = p.x;
  point->y = p.y;
  return true;
}

bool BringWindowToTop(Hwnd window) { return ::BringWindowToTop(reinterpret_cast<HWND>(window)) != FALSE; }

}  // namespace platform
