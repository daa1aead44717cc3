// Cycling the icon through the pictures of an image list.
#include "shell/TrayIcon.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/ImageList.h"

namespace muralto {

void TStCustomTrayIcon::SetAnimate(bool on) {
  animate_ = on;
  if (Designing()) return;
  if (on) {
    if (!active_) return;
    if (!animationTimer_) {
      animationTimer_ = toolkit::TComponent::Create<toolkit::TTimer>(this);
      animationTimer_->SetEnabled(false);
      animationTimer_->SetOnTimer([this](toolkit::TObject* sender) { DoTimer(sender); });
    }
    if (interval_ == 0) interval_ = 200;
    animationTimer_->SetInterval(interval_);
    animationTimer_->SetEnabled(true);
    return;
  }
  if (animationTimer_) animationTimer_->SetEnabled(false);
  // Back to the still picture.
  if (icon_) {
    shownIcon_ = icon_;
  } else if (images_) {
    shownIcon_ = images_->GetIcon(imageIndex_);
  }
  if (iconInTray_) ResetIcon();
}

void TStCustomTrayIcon::ShowImage(int index) {
  shownIcon_ = images_->GetIcon(index);
  ResetIcon();
}

void TStCustomTrayIcon::DoTimer(toolkit::TObject*) {
  if (!images_ || !iconInTray_ || images_->Count() == 0) return;
  if (animationFrame_ >= images_->Count()) animationFrame_ = 0;
  ShowImage(animationFrame_);
  ++animationFrame_;
  if (animationFrame_ >= images_->Count()) animationFrame_ = 0;
}

}  // namespace muralto
