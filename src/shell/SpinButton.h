#pragma once
// TCSpinButton: the pair of arrow buttons at the right edge of a spin edit,
// a windowed control holding two auto-repeating speed buttons.
#include "shell/TimerSpeedButton.h"
#include "toolkit/controls/WinControl.h"

namespace muralto {

class TCSpinButton : public toolkit::TWinControl {
 public:
  explicit TCSpinButton(toolkit::TComponent* owner);

  TTimerSpeedButton* ArrowUp() const { return arrowUp_; }
  TTimerSpeedButton* ArrowDown() const { return arrowDown_; }
  TTimerSpeedButton* FocusedArrow() const { return focusedArrow_; }
  toolkit::TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(toolkit::TWinControl* control) { focusControl_ = control; }
  // Empty glyphs mean the built-in "SpinUp" and "SpinDown".
  void SetUpGlyph(const toolkit::TBitmap& glyph);
  void SetDownGlyph(const toolkit::TBitmap& glyph);

  toolkit::TNotifyEvent OnUpClick;
  toolkit::TNotifyEvent OnDownClick;

  void BtnClick(toolkit::TObject* sender);
  void BtnMouseDown(toolkit::TObject* sender, toolkit::TMouseButton button, toolkit::TShiftState shift, int x, int y);
  void SetFocusBtn(TTimerSpeedButton* arrow);
  // Width at least 15; the up arrow takes the upper half, the down arrow the
  // rest, overlapping it by one row.
  void AdjustSize(int& width, int& height);
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void KeyDown(std::uint16_t& key, toolkit::TShiftState shift) override;
  void WndProc(toolkit::TMessage& message) override;

 protected:
  void CreateParams(toolkit::TCreateParams& params) override;
  void PaintWindow(platform::Hdc dc) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  TTimerSpeedButton* CreateArrow(const char* glyphName);

  TTimerSpeedButton* arrowUp_ = nullptr;
  TTimerSpeedButton* arrowDown_ = nullptr;
  TTimerSpeedButton* focusedArrow_ = nullptr;
  toolkit::TWinControl* focusControl_ = nullptr;
};

}  // namespace muralto
