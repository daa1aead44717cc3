#include "shell/TimerSpeedButton.h"

#include "platform/gdi.h"

namespace muralto {

TTimerSpeedButton::TTimerSpeedButton(vcl::TComponent* owner) : vcl::TSpeedButton(owner) {}

void TTimerSpeedButton::SetFocusRectVisible(bool on) {
  if (on == focusRectVisible_) return;
  focusRectVisible_ = on;
  Invalidate();
}

void TTimerSpeedButton::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
  vcl::TSpeedButton::MouseDown(button, shift, x, y);
  if (!autoRepeat_) return;
  if (!autoRepeatTimer_) {
    autoRepeatTimer_ = vcl::TComponent::Create<vcl::TTimer>(this);
    autoRepeatTimer_->SetEnabled(false);
    autoRepeatTimer_->SetOnTimer([this](vcl::TObject* sender) { TimerExpired(sender); });
  }
  autoRepeatTimer_->SetInterval(kInitialRepeatPause);
  autoRepeatTimer_->SetEnabled(true);
}

void TTimerSpeedButton::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
  if (autoRepeatTimer_) autoRepeatTimer_->SetEnabled(false);
  vcl::TSpeedButton::MouseUp(button, shift, x, y);
}

void TTimerSpeedButton::MouseCaptureLost() {
  if (autoRepeatTimer_) autoRepeatTimer_->SetEnabled(false);
  vcl::TSpeedButton::MouseCaptureLost();
}

void TTimerSpeedButton::TimerExpired(vcl::TObject*) {
  autoRepeatTimer_->SetInterval(kRepeatPause);
  // Only while the arrow is held down with the pointer on it.
  if (State() == vcl::TButtonState::bsDown && Dragging()) {
    try {
      Click();
    } catch (...) {
      autoRepeatTimer_->SetEnabled(false);
      throw;
    }
  }
}

void TTimerSpeedButton::Paint(platform::Hdc dc) {
  vcl::TSpeedButton::Paint(dc);
  if (!focusRectVisible_) return;
  platform::Rect r{Left(), Top(), Left() + Width(), Top() + Height()};
  platform::InflateRect(&r, -3, -3);
  if (State() == vcl::TButtonState::bsDown) platform::OffsetRect(&r, 1, 1);
  platform::DrawFocusRect(dc, &r);
}

}  // namespace muralto
