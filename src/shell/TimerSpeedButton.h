#pragma once
// TTimerSpeedButton: a speed button that repeats its click while held down
// (first after 400 ms, then every 100 ms) and can draw a focus rectangle.
#include "toolkit/controls/SpeedButton.h"
#include "toolkit/forms/Timer.h"

namespace muralto {

class TTimerSpeedButton : public toolkit::TSpeedButton {
 public:
  explicit TTimerSpeedButton(toolkit::TComponent* owner);

  bool AutoRepeat() const { return autoRepeat_; }
  void SetAutoRepeat(bool on) { autoRepeat_ = on; }
  bool FocusRectVisible() const { return focusRectVisible_; }
  void SetFocusRectVisible(bool on);
  // Created on the first press.
  toolkit::TTimer* AutoRepeatTimer() const { return autoRepeatTimer_; }

  void MouseDown(toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y) override;
  void MouseUp(toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y) override;
  // No release will come: the repeats stop here.
  void MouseCaptureLost() override;
  void Paint(platform::Hdc dc) override;
  void TimerExpired(toolkit::TObject* sender);

  static constexpr std::uint32_t kInitialRepeatPause = 400;
  static constexpr std::uint32_t kRepeatPause = 100;

 private:
  bool autoRepeat_ = false;
  bool focusRectVisible_ = false;
  toolkit::TTimer* autoRepeatTimer_ = nullptr;
};

}  // namespace muralto
