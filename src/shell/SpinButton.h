#pragma once
// TCSpinButton: the pair of arrow buttons at the right edge of a spin edit,
// a windowed control holding two auto-repeating speed buttons.
#include "shell/TimerSpeedButton.h"
#include "toolkit/controls/WinControl.h"

namespace muralto {

class TCSpinButton : public vcl::TWinControl {
 public:
  explicit TCSpinButton(vcl::TComponent* owner);

  TTimerSpeedButton* ArrowUp() const { return arrowUp_; }
  TTimerSpeedButton* ArrowDown() const { return arrowDown_; }
  TTimerSpeedButton* FocusedArrow() const { return focusedArrow_; }
  vcl::TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(vcl::TWinControl* control) { focusControl_ = control; }
  // Empty glyphs mean the built-in "SpinUp" and "SpinDown".
  void SetUpGlyph(const vcl::TBitmap& glyph);
  void SetDownGlyph(const vcl::TBitmap& glyph);

  vcl::TNotifyEvent OnUpClick;
  vcl::TNotifyEvent OnDownClick;

  void BtnClick(vcl::TObject* sender);
  void BtnMouseDown(vcl::TObject* sender, vcl::TMouseButton button, vcl::TShiftState shift, int x, int y);
  void SetFocusBtn(TTimerSpeedButton* arrow);
  // Width at least 15; the up arrow takes the upper half, the down arrow the
  // rest, overlapping it by one row.
  void AdjustSize(int& width, int& height);
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;
  void KeyDown(std::uint16_t& key, vcl::TShiftState shift) override;
  void WndProc(vcl::TMessage& message) override;

 protected:
  void CreateParams(vcl::TCreateParams& params) override;
  void PaintWindow(platform::Hdc dc) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  TTimerSpeedButton* CreateArrow(const char* glyphName);

  TTimerSpeedButton* arrowUp_ = nullptr;
  TTimerSpeedButton* arrowDown_ = nullptr;
  TTimerSpeedButton* focusedArrow_ = nullptr;
  vcl::TWinControl* focusControl_ = nullptr;
};

}  // namespace muralto
