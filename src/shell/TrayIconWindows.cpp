#include "shell/TrayIconWindows.h"

#include "shell/TrayIcon.h"
#include "toolkit/controls/WindowBinding.h"
#include "toolkit/core/Exceptions.h"

namespace muralto {

namespace {
constexpr const char* kNotifyClass = "TStTrayIconWindow";
}  // namespace

platform::Hwnd CreateTrayNotifyWindow(TStCustomTrayIcon* icon, platform::WndProc proc, bool messageOnly) {
  platform::WndClass wc;
  wc.proc = proc;
  wc.className = kNotifyClass;
  platform::RegisterClassA(&wc);
  platform::Hwnd window = platform::CreateWindowExA(0, kNotifyClass, "", platform::WsPopup, 0, 0, 0, 0,
                                                    messageOnly ? platform::HwndMessage : 0, 0);
  if (!window) throw toolkit::EOutOfResources("Error creating window");
  toolkit::BindWindow(window, icon);
  return window;
}

void DestroyTrayNotifyWindow(platform::Hwnd window) {
  if (!window) return;
  toolkit::UnbindWindow(window);
  platform::DestroyWindow(window);
}

TStCustomTrayIcon* TrayIconOfWindow(platform::Hwnd window) {
  return toolkit::WindowObjectAs<TStCustomTrayIcon>(window);
}

}  // namespace muralto
