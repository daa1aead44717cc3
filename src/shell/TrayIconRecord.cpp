// The record handed to the shell, and showing and removing the icon.
#include <algorithm>
#include <cstring>

#include "shell/TrayIcon.h"
#include "toolkit/forms/Application.h"

namespace muralto {

bool TStCustomTrayIcon::NotifyIcon(std::uint32_t message) {
  platform::NotifyIconData record;
  record.cbSize = sizeof(record);
  record.hWnd = static_cast<std::uint32_t>(notifyWindow_);
  record.uID = IconId;
  record.uFlags = platform::NifMessage | platform::NifIcon;
  record.uCallbackMessage = CallbackMessage;
  // The shell must always get a picture: the program's own, then the
  // system's default application icon.
  platform::Hicon icon = shownIcon_;
  if (!icon) {
    if (toolkit::TApplication* app = toolkit::Application()) icon = app->Icon();
  }
  if (!icon) icon = platform::LoadIconA(0, platform::IdiApplication);
  record.hIcon = static_cast<std::uint32_t>(icon);
  if (showHint_) {
    record.uFlags |= platform::NifTip;
    std::size_t n = std::min(hint_.size(), TipLength);
    std::memcpy(record.szTip, hint_.data(), n);
    record.szTip[n] = '\0';
  }
  // Loading and the set-up hand the icon the same picture and texts more
  // than once; each change is a round trip to the shell's process, which
  // redraws the icon, so one the shell has already is not sent again.
  if (message == platform::NimModify && iconInTray_ && std::memcmp(&record, &sentRecord_, sizeof(record)) == 0) {
    return true;
  }
  if (!platform::Shell_NotifyIconA(message, &record)) return false;
  if (message != platform::NimDelete) sentRecord_ = record;
  return true;
}

bool TStCustomTrayIcon::SendAdd() {
  if (!formHook_.Installed()) HookForm(true);
  // The shell refuses to add an icon it still holds: one that announced its
  // taskbar anew without dropping its icons (some do after a theme or display
  // change). A change of the same icon then finds it, brings it up to date,
  // and the icon is ours again to hide into and to take away at the end.
  iconInTray_ = NotifyIcon(platform::NimAdd) || NotifyIcon(platform::NimModify);
  return iconInTray_;
}

void TStCustomTrayIcon::AddToTray() {
  if (iconInTray_) return;
  if (!SendAdd()) throw ETrayIconError(traymsg::AddFailed);
}

void TStCustomTrayIcon::AddWhenTaskbarReady() {
  // A shell that is not up yet (a start at logon can come before the
  // taskbar) refuses the icon; it stays wanted, and the taskbar's
  // announcement brings it.
  if (!iconInTray_) SendAdd();
}

void TStCustomTrayIcon::DeleteFromTray() {
  if (!iconInTray_) return;
  NotifyIcon(platform::NimDelete);
  iconInTray_ = false;
}

void TStCustomTrayIcon::ResetIcon() {
  // A wanted icon that waits for the taskbar has nothing to change yet.
  if (active_ && iconInTray_ && !NotifyIcon(platform::NimModify)) throw ETrayIconError(traymsg::ModifyFailed);
}

}  // namespace muralto
