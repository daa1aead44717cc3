// Windows and their properties over the real API.
#include <windows.h>
#include <commctrl.h>

#include "platform/windowing.h"

namespace platform {

namespace {
HWND H(Hwnd window) { return reinterpret_cast<HWND>(window); }
Hwnd W(HWND window) { return reinterpret_cast<Hwnd>(window); }
}  // namespace

bool RegisterClassA(const WndClass* windowClass) {
  if (!windowClass || !windowClass->className || !windowClass->proc) return false;
  WNDCLASSA known{};
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (::GetClassInfoA(instance, windowClass->className, &known)) return true;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = windowClass->style;
  wc.lpfnWndProc = reinterpret_cast<WNDPROC>(reinterpret_cast<void (*)()>(windowClass->proc));
  wc.hInstance = instance;
  wc.hIcon = reinterpret_cast<HICON>(windowClass->icon);
  // The same picture as the small icon, as a window given it by WM_SETICON
  // for both sizes shows it (without one the system would make a copy).
  wc.hIconSm = wc.hIcon;
  // The system's shared arrow, fetched once: under Wine each fetch is some
  // trips to its server.
  static const HCURSOR arrow = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hCursor = arrow;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(windowClass->background + 1));
  wc.lpszClassName = windowClass->className;
  return ::RegisterClassExA(&wc) != 0;
}

Hicon GetClassIcon(Hwnd window) { return static_cast<Hicon>(::GetClassLongPtrA(H(window), GCLP_HICON)); }

Hwnd CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style, int x, int y,
                     int width, int height, Hwnd parent, Hmenu menuOrId) {
  return W(::CreateWindowExA(exStyle, className, title, style, x, y, width, height, H(parent),
                             reinterpret_cast<HMENU>(menuOrId), GetModuleHandleA(nullptr), nullptr));
}

bool DestroyWindow(Hwnd window) { return ::DestroyWindow(H(window)) != 0; }
bool IsWindow(Hwnd window) { return window && ::IsWindow(H(window)) != 0; }

Lresult DefWindowProcA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  return ::DefWindowProcA(H(window), message, wParam, lParam);
}

Lresult CallWindowProcA(WndProc proc, Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  return ::CallWindowProcA(reinterpret_cast<WNDPROC>(reinterpret_cast<void (*)()>(proc)), H(window), message, wParam,
                           lParam);
}

std::intptr_t GetWindowLongA(Hwnd window, int index) { return ::GetWindowLongPtrA(H(window), index); }
std::intptr_t SetWindowLongA(Hwnd window, int index, std::intptr_t value) {
  return ::SetWindowLongPtrA(H(window), index, static_cast<LONG_PTR>(value));
}

bool ShowWindow(Hwnd window, int command) { return ::ShowWindow(H(window), command) != 0; }
bool IsWindowVisible(Hwnd window) { return ::IsWindowVisible(H(window)) != 0; }
bool IsIconic(Hwnd window) { return ::IsIconic(H(window)) != 0; }
bool EnableWindow(Hwnd window, bool enable) { return ::EnableWindow(H(window), enable) != 0; }
bool IsWindowEnabled(Hwnd window) { return ::IsWindowEnabled(H(window)) != 0; }
bool SetWindowTextA(Hwnd window, const char* text) { return ::SetWindowTextA(H(window), text) != 0; }
int GetWindowTextA(Hwnd window, char* buffer, int size) { return ::GetWindowTextA(H(window), buffer, size); }
int GetWindowTextLengthA(Hwnd window) { return ::GetWindowTextLengthA(H(window)); }
Hwnd FindWindowA(const char* className, const char* title) { return W(::FindWindowA(className, title)); }
bool SetForegroundWindow(Hwnd window) { return ::SetForegroundWindow(H(window)) != 0; }
Hwnd GetForegroundWindow() { return W(::GetForegroundWindow()); }
Hwnd GetLastActivePopup(Hwnd window) { return W(::GetLastActivePopup(H(window))); }
bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int width, int height, std::uint32_t flags) {
  return ::SetWindowPos(H(window), H(insertAfter), x, y, width, height, flags) != 0;
}
Hwnd SetFocus(Hwnd window) { return W(::SetFocus(H(window))); }
Hwnd GetFocus() { return W(::GetFocus()); }
Hwnd SetCapture(Hwnd window) { return W(::SetCapture(H(window))); }
bool ReleaseCapture() { return ::ReleaseCapture() != 0; }
Hwnd GetCapture() { return W(::GetCapture()); }

bool MoveWindow(Hwnd window, int x, int y, int width, int height, bool repaint) {
  return ::MoveWindow(H(window), x, y, width, height, repaint) != 0;
}

bool AdjustWindowRectEx(Rect* rect, std::uint32_t style, bool hasMenu, std::uint32_t exStyle) {
  if (!rect) return false;
  RECT r{rect->left, rect->top, rect->right, rect->bottom};
  if (!::AdjustWindowRectEx(&r, style, hasMenu, exStyle)) return false;
  *rect = {r.left, r.top, r.right, r.bottom};
  return true;
}

bool InvalidateRect(Hwnd window, const Rect* rect, bool erase) {
  RECT r;
  if (rect) r = {rect->left, rect->top, rect->right, rect->bottom};
  return ::InvalidateRect(H(window), rect ? &r : nullptr, erase) != 0;
}

short GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

void InitCommonControls() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&icc);
}

Hicon LoadIconA(const char* resourceName) {
  return reinterpret_cast<Hicon>(::LoadIconA(GetModuleHandleA(nullptr), resourceName));
}

}  // namespace platform

namespace platform {
void SetCursorShape(int cursorId) {
  ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(cursorId))));
}
}  // namespace platform
