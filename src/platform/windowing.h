#pragma once
// Windows, window procedures and the message queue of the GUI thread.
// Each function stands for the Windows call of the same name and promises
// what the program relies on of it; the values of the constants are the
// Windows ones so that messages can cross into real windows unchanged.
#include <cstdint>

#include "platform/messages.h"
#include "platform/types.h"

// Window procedures are called by the system: on 32-bit Windows they use
// its calling convention.
#if defined(_WIN32) && defined(__i386__)
#define MURALTO_WINAPI __attribute__((stdcall))
#else
#define MURALTO_WINAPI
#endif

namespace platform {

using Hmenu = std::uintptr_t;
using Hicon = std::uintptr_t;
using Hfont = std::uintptr_t;
using Wparam = std::uintptr_t;
using Lparam = std::intptr_t;
using Lresult = std::intptr_t;
using WndProc = Lresult(MURALTO_WINAPI*)(Hwnd, std::uint32_t, Wparam, Lparam);

struct Point {
  std::int32_t x = 0, y = 0;
};

struct Msg {
  Hwnd hwnd = 0;
  std::uint32_t message = 0;
  Wparam wParam = 0;
  Lparam lParam = 0;
  std::uint32_t time = 0;
  Point pt;
};

// A window class of the program's own (the predefined control classes need
// no registration). background is a system colour index; the brush is that
// colour. icon serves as both the large and the small icon of its windows.
struct WndClass {
  std::uint32_t style = 0;
  WndProc proc = nullptr;
  Hicon icon = 0;
  int background = ColorBtnFace;
  const char* className = nullptr;
};

// Registers a class; registering an existing name again succeeds and keeps
// the first registration.
bool RegisterClassA(const WndClass* windowClass);
// The parent that makes a message-only window: it takes sent and posted
// messages but has no place on the screen, is found by no search and gets
// no broadcast.
inline constexpr Hwnd HwndMessage = static_cast<Hwnd>(-3);
Hwnd CreateWindowExA(std::uint32_t exStyle, const char* className, const char* title, std::uint32_t style, int x, int y,
                     int width, int height, Hwnd parent, Hmenu menuOrId);
bool DestroyWindow(Hwnd window);
bool IsWindow(Hwnd window);
Lresult DefWindowProcA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam);
Lresult CallWindowProcA(WndProc proc, Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam);
// GWL_WNDPROC, GWL_STYLE, GWL_EXSTYLE, GWL_ID. Setting GWL_WNDPROC returns
// the previous procedure, which the new one calls for what it leaves alone.
std::intptr_t GetWindowLongA(Hwnd window, int index);
std::intptr_t SetWindowLongA(Hwnd window, int index, std::intptr_t value);

// Returns whether the window was visible before.
bool ShowWindow(Hwnd window, int command);
bool IsWindowVisible(Hwnd window);
bool IsIconic(Hwnd window);
bool EnableWindow(Hwnd window, bool enable);
bool IsWindowEnabled(Hwnd window);
bool SetWindowTextA(Hwnd window, const char* text);
// Copies at most size - 1 characters and a terminating zero; returns the
// number copied.
int GetWindowTextA(Hwnd window, char* buffer, int size);
int GetWindowTextLengthA(Hwnd window);
// Top-level windows only; a null class or title matches any; both compared
// without regard to case. Returns the first match in z-order, or 0.
Hwnd FindWindowA(const char* className, const char* title);
// The icon the window's class was registered with, or 0.
Hicon GetClassIcon(Hwnd window);
// A top-level window, hidden ones too, takes the foreground; a message-only
// window never does (false, and the foreground stays).
bool SetForegroundWindow(Hwnd window);
Hwnd GetForegroundWindow();
// The window that was active last among window and those it owns (at any
// depth); window itself when that was window or it owns none.
Hwnd GetLastActivePopup(Hwnd window);
// Returns the window that had the focus before, or 0.
Hwnd SetFocus(Hwnd window);
Hwnd GetFocus();
Hwnd SetCapture(Hwnd window);
bool ReleaseCapture();
Hwnd GetCapture();
bool MoveWindow(Hwnd window, int x, int y, int width, int height, bool repaint);
// Only a change of place in the z-order, with SwpNoMove | SwpNoSize (and
// SwpNoActivate to leave the activation alone): HwndTop puts a top-level
// window above the others, the windows it owns above it.
inline constexpr Hwnd HwndTop = 0;
inline constexpr std::uint32_t SwpNoSize = 0x1;
inline constexpr std::uint32_t SwpNoMove = 0x2;
inline constexpr std::uint32_t SwpNoActivate = 0x10;
bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int width, int height, std::uint32_t flags);
// GetClientRect is declared in platform/desktop.h.
// The outer size of a window whose client area is rect, for the styles.
bool AdjustWindowRectEx(Rect* rect, std::uint32_t style, bool hasMenu, std::uint32_t exStyle);
bool InvalidateRect(Hwnd window, const Rect* rect, bool erase);
// Virtual key state: the high bit (result < 0) says the key is down.
short GetKeyState(int virtualKey);

Lresult SendMessageA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam);
bool PostMessageA(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam);
void PostQuitMessage(int exitCode);
// 0 when WM_QUIT was taken, -1 on error, otherwise non-zero.
int GetMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax);
bool PeekMessageA(Msg* msg, Hwnd window, std::uint32_t filterMin, std::uint32_t filterMax, std::uint32_t removeFlags);
// A key press (WM_KEYDOWN) posts the character it makes with the keys held
// (WM_CHAR) to the same window.
bool TranslateMessage(const Msg* msg);
Lresult DispatchMessageA(const Msg* msg);

// The system's standard cursors (IDC_ARROW 32512, IDC_HAND 32649).
inline constexpr int IdcArrow = 32512;
inline constexpr int IdcHand = 32649;
// Sets the pointer's shape to a standard cursor.
void SetCursorShape(int cursorId);

// Loads the common controls (list view, status bar) and their visual style.
void InitCommonControls();
// An icon resource of the executable by name, or 0.
Hicon LoadIconA(const char* resourceName);

inline constexpr std::uint32_t LoWord(std::uintptr_t v) { return static_cast<std::uint32_t>(v & 0xFFFF); }
inline constexpr std::uint32_t HiWord(std::uintptr_t v) { return static_cast<std::uint32_t>((v >> 16) & 0xFFFF); }
inline constexpr Wparam MakeWparam(std::uint32_t lo, std::uint32_t hi) { return (lo & 0xFFFF) | ((hi & 0xFFFF) << 16); }
inline constexpr Lparam MakeLparam(int lo, int hi) {
  return static_cast<Lparam>(static_cast<std::uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
// Signed client coordinates of a mouse message.
inline constexpr int XFromLparam(Lparam l) { return static_cast<std::int16_t>(l & 0xFFFF); }
inline constexpr int YFromLparam(Lparam l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }

}  // namespace platform
