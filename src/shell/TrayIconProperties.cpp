// The properties whose change reaches the shell.
#include "shell/TrayIcon.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/ImageList.h"

namespace muralto {

void TStCustomTrayIcon::SetActive(bool on) {
  if (Designing()) {
    active_ = on;
    iconInTray_ = false;
    return;
  }
  if (on) {
    AddToTray();
    active_ = true;
    if (resumeAnimation_) SetAnimate(true);
  } else {
    if (animate_) {
      SetAnimate(false);
      resumeAnimation_ = true;
    }
    DeleteFromTray();
    active_ = false;
  }
}

void TStCustomTrayIcon::SetActiveAtStart(bool on) {
  if (!on || Designing()) return SetActive(on);
  AddWhenTaskbarReady();
  active_ = true;
  if (resumeAnimation_) SetAnimate(true);
}

void TStCustomTrayIcon::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (Designing()) return;
  if (showHint_ && iconInTray_ && !NotifyIcon(platform::NimModify)) throw ETrayIconError(traymsg::ModifyFailed);
}

void TStCustomTrayIcon::SetShowHint(bool on) {
  showHint_ = on;
  if (Designing()) return;
  if (iconInTray_ && !NotifyIcon(platform::NimModify)) throw ETrayIconError(traymsg::ModifyFailed);
}

void TStCustomTrayIcon::SetIcon(platform::Hicon icon) {
  icon_ = icon;
  if (Designing()) return;
  shownIcon_ = icon;
  if (iconInTray_) ResetIcon();
}

void TStCustomTrayIcon::SetImages(toolkit::TImageList* images) {
  images_ = images;
  if (images) images->FreeNotification(this);
  if (Designing() || InState(toolkit::csLoading)) return;
  if (!icon_ && images_) {
    shownIcon_ = images_->GetIcon(imageIndex_);
    ResetIcon();
  }
}

void TStCustomTrayIcon::SetImageIndex(int index) {
  imageIndex_ = index;
  if (Designing() || !iconInTray_) return;
  if (!images_) throw ETrayIconError(traymsg::NoImageList);
  shownIcon_ = images_->GetIcon(index);
  ResetIcon();
}

void TStCustomTrayIcon::SetInterval(std::uint32_t ms) {
  interval_ = ms;
  if (animationTimer_) animationTimer_->SetInterval(ms);
}

void TStCustomTrayIcon::SetPopupMenu(toolkit::TPopupMenu* menu) {
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

}  // namespace muralto
