#pragma once
// The hidden top-level window that receives a tray icon's notifications.
#include "platform/windowing.h"

namespace muralto {

class TStCustomTrayIcon;

// Creates the window with proc as its class's procedure, bound to icon once
// made: the messages of its creation find no icon and go to the system's
// default handling, as do those of its destruction. A message-only window
// costs far less to make, but no broadcast reaches it: whoever asks for one
// must hear the taskbar's announcement on a top-level window of its own.
platform::Hwnd CreateTrayNotifyWindow(TStCustomTrayIcon* icon, platform::WndProc proc, bool messageOnly);
void DestroyTrayNotifyWindow(platform::Hwnd window);
// The tray icon a notify window belongs to, or null.
TStCustomTrayIcon* TrayIconOfWindow(platform::Hwnd window);

}  // namespace muralto
