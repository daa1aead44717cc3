#pragma once
// The hidden top-level window that receives a tray icon's notifications,
// and which tray icon a hidden window or a hooked form belongs to.
#include "platform/windowing.h"

namespace muralto {

class TStCustomTrayIcon;

// Creates the window; its messages reach proc once it is bound, the ones of
// its own creation go to the system's default handling.
platform::Hwnd CreateTrayNotifyWindow(TStCustomTrayIcon* icon, platform::WndProc proc);
void DestroyTrayNotifyWindow(platform::Hwnd window);
// The tray icon a notify window or a hooked form window belongs to, or null.
TStCustomTrayIcon* TrayIconOfWindow(platform::Hwnd window);
void BindTrayWindow(platform::Hwnd window, TStCustomTrayIcon* icon);
void UnbindTrayWindow(platform::Hwnd window);

}  // namespace muralto
