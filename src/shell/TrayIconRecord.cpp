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
    if (vcl::TApplication* app = vcl::Application()) icon = app->Icon();
  }
  if (!icon) icon = platform::LoadIconA(0, platform::IdiApplication);
  record.hIcon = static_cast<std::uint32_t>(icon);
  if (showHint_) {
    record.uFlags |= platform::NifTip;
    std::size_t n = std::min(hint_.size(), TipLength);
    std::memcpy(record.szTip, hint_.data(), n);
    record.szTip[n] = '\0';
  }
  return platform::Shell_NotifyIconA(message, &record);
}

void TStCustomTrayIcon::AddToTray() {
  if (iconInTray_) return;
  if (!formHook_.Installed()) HookForm(true);
  iconInTray_ = NotifyIcon(platform::NimAdd);
  if (!iconInTray_) throw ETrayIconError(traymsg::AddFailed);
}

void TStCustomTrayIcon::DeleteFromTray() {
  if (!iconInTray_) return;
  NotifyIcon(platform::NimDelete);
  iconInTray_ = false;
}

void TStCustomTrayIcon::ResetIcon() {
  if (active_ && !NotifyIcon(platform::NimModify)) throw ETrayIconError(traymsg::ModifyFailed);
}

}  // namespace muralto
