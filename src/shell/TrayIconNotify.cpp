// What the shell reports about the icon: clicks, double-clicks, the menu,
// the shell's own restart; and the built-in menu's items.
#include <optional>

#include "shell/TrayIcon.h"
#include "shell/TrayIconWindows.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Menus.h"

namespace muralto {

platform::Lresult MURALTO_WINAPI TStCustomTrayIcon::NotifyWindowProc(platform::Hwnd window, std::uint32_t msg,
                                                                     platform::Wparam wParam, platform::Lparam lParam) {
  TStCustomTrayIcon* icon = TrayIconOfWindow(window);
  if (!icon || window != icon->notifyWindow_) return platform::DefWindowProcA(window, msg, wParam, lParam);
  try {
    return icon->WndProc(msg, wParam, lParam);
  } catch (...) {
    toolkit::HandleCurrentException();
    return 0;
  }
}

platform::Lresult TStCustomTrayIcon::WndProc(std::uint32_t msg, platform::Wparam, platform::Lparam lParam) {
  if (msg == CallbackMessage) {
    toolkit::TShiftState shift = toolkit::KeyboardShiftState();
    switch (static_cast<std::uint32_t>(lParam)) {
      case platform::WmLButtonDown: DoClick(toolkit::TMouseButton::mbLeft, shift); break;
      case platform::WmLButtonDblClk: DoDblClick(toolkit::TMouseButton::mbLeft, shift); break;
      case platform::WmRButtonDown: PopupTrayMenu(); break;
      case platform::WmRButtonDblClk: DoDblClick(toolkit::TMouseButton::mbRight, shift); break;
      case platform::WmMButtonDown: DoClick(toolkit::TMouseButton::mbMiddle, shift); break;
      case platform::WmMButtonDblClk: DoDblClick(toolkit::TMouseButton::mbMiddle, shift); break;
      default: break;  // moves and button releases
    }
  } else if (taskbarCreated_ != 0 && msg == taskbarCreated_) {
    TaskbarAnnounced();
  }
  // A hidden helper window must never hold up a log-off or shutdown.
  return msg == platform::WmQueryEndSession ? 1 : 0;
}

void TStCustomTrayIcon::TaskbarAnnounced() {
  // The taskbar is there (again): the shell restarted and forgot every
  // icon, or came up after the program (a start at logon), or only
  // announces itself anew. The icon must be shown, or a later minimise
  // would hide the window with nothing to bring it back. A refusal here
  // waits for the next announcement; a minimise reports it.
  if (!active_) return;
  iconInTray_ = false;
  AddWhenTaskbarReady();
}

void TStCustomTrayIcon::PopupTrayMenu() {
  if (!popupMenu_) return;
  toolkit::TApplication* app = toolkit::Application();
  std::optional<toolkit::TApplication::TActivationHold> hold;
  if (app) hold.emplace(*app);
  // The menu closes when the user clicks elsewhere only if the program is
  // in front; what is queued runs before the menu opens.
  platform::SetForegroundWindow(ApplicationWindow());
  if (app) {
    app->ProcessMessages();
    if (app->Terminated()) return;  // a quit came in: no menu for a program that ends
  }
  if (!popupMenu_) return;  // a handler that just ran may have destroyed it
  platform::Point at;
  platform::GetCursorPos(&at);
  popupMenu_->Popup(at.x, at.y);
}

void TStCustomTrayIcon::DoClick(toolkit::TMouseButton button, toolkit::TShiftState shift) {
  if (OnClick) OnClick(this, button, shift);
}

void TStCustomTrayIcon::DoDblClick(toolkit::TMouseButton button, toolkit::TShiftState shift) {
  bool restoreApp = true;
  if (OnDblClick) OnDblClick(this, button, shift, restoreApp);
  if (restoreApp) DoRestore();
}

void TStCustomTrayIcon::DoCloseClick(toolkit::TObject*) { platform::PostQuitMessage(0); }

void TStCustomTrayIcon::DoRestoreClick(toolkit::TObject*) { RestoreApplication(); }

}  // namespace muralto
