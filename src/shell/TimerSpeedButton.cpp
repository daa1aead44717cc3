#include "shell/TimerSpeedButton.h"

#include "platform/gdi.h"

namespace muralto {

TTimerSpeedButton::TTimerSpeedButton(toolkit::TComponent* owner) : toolkit::TSpeedButton(owner) {}

void TTimerSpeedButton::SetFocusRectVisible(bool on) {
  if (on == focusRectVisible_) return;
  focusRectVisible_ = on;
  Invalidate();
}

void TTimerSpeedButton::MouseDown(toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y) {
  toolkit::TSpeedButton::MouseDown(button, shift, x, y);
  if (!autoRepeat_) return;
  if (!autoRepeatTimer_) {
    autoRepeatTimer_ = toolkit::TComponent::Create<toolkit::TTimer>(this);
    autoRepeatTimer_->SetEnabled(false);
    autoRepeatTimer_->SetOnTimer([this](toolkit::TObject* sender) { TimerExpired(sender); });
  }
  autoRepeatTimer_->SetInterval(kInitialRepeatPause);
  autoRepeatTimer_->SetEnabled(true);
}

void TTimerSpeedButton::MouseUp(toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y) {
  if (autoRepeatTimer_) autoRepeatTimer_->SetEnabled(false);
  toolkit::TSpeedButton::MouseUp(button, shift, x, y);
}

void TTimerSpeedButton::MouseCaptureLost() {
  if (autoRepeatTimer_) autoRepeatTimer_->SetEnabled(false);
  toolkit::TSpeedButton::MouseCaptureLost();
}

void TTimerSpeedButton::TimerExpired(toolkit::TObject*) {
  autoRepeatTimer_->SetInterval(kRepeatPause);
  // Only while the arrow is held down with the pointer on it.
  if (State() == toolkit::TButtonState::bsDown && Dragging()) {
    try {
      Click();
    } catch (...) {
      autoRepeatTimer_->SetEnabled(false);
      throw;
    }
  }
}

void TTimerSpeedButton::Paint(platform::Hdc dc) {
  toolkit::TSpeedButton::Paint(dc);
  if (!focusRectVisible_) return;
  platform::Rect r{Left(), Top(), Left() + Width(), Top() + Height()};
  platform::InflateRect(&r, -3, -3);
  if (State() == toolkit::TButtonState::bsDown) platform::OffsetRect(&r, 1, 1);
  platform::DrawFocusRect(dc, &r);
}

}  // namespace muralto
