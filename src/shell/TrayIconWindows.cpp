#include "shell/TrayIconWindows.h"

#include <map>

#include "toolkit/core/Exceptions.h"

namespace muralto {

namespace {

constexpr const char* kNotifyClass = "TStTrayIconWindow";

std::map<platform::Hwnd, TStCustomTrayIcon*>& Bindings() {
  static std::map<platform::Hwnd, TStCustomTrayIcon*> bindings;
  return bindings;
}

platform::Lresult MURALTO_WINAPI Unbound(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                         platform::Lparam lParam) {
  return platform::DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

platform::Hwnd CreateTrayNotifyWindow(TStCustomTrayIcon* icon, platform::WndProc proc) {
  platform::WndClass wc;
  wc.proc = Unbound;
  wc.className = kNotifyClass;
  platform::RegisterClassA(&wc);
  platform::Hwnd window = platform::CreateWindowExA(0, kNotifyClass, "", platform::WsPopup, 0, 0, 0, 0, 0, 0);
  if (!window) throw vcl::EOutOfResources("Error creating window");
  BindTrayWindow(window, icon);
  platform::SetWindowLongA(window, platform::GwlWndProc, reinterpret_cast<std::intptr_t>(proc));
  return window;
}

void DestroyTrayNotifyWindow(platform::Hwnd window) {
  if (!window) return;
  UnbindTrayWindow(window);
  platform::SetWindowLongA(window, platform::GwlWndProc, reinterpret_cast<std::intptr_t>(&Unbound));
  platform::DestroyWindow(window);
}

TStCustomTrayIcon* TrayIconOfWindow(platform::Hwnd window) {
  auto it = Bindings().find(window);
  return it == Bindings().end() ? nullptr : it->second;
}

void BindTrayWindow(platform::Hwnd window, TStCustomTrayIcon* icon) { Bindings()[window] = icon; }
void UnbindTrayWindow(platform::Hwnd window) { Bindings().erase(window); }

}  // namespace muralto
