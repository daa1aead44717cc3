#pragma once
// TSpeedButton: a flat button drawn by its parent, with a glyph. It clicks
// on release of the left button while the pointer is still inside.
#include "toolkit/controls/Control.h"
#include "toolkit/graphics/Bitmap.h"

namespace toolkit {

enum class TButtonState { bsUp, bsDisabled, bsDown };

class TSpeedButton : public TControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  TBitmap& Glyph() { return glyph_; }
  TButtonState State() const { return state_; }
  // Whether the left button went down on this button and is still held.
  bool Dragging() const { return dragging_; }

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Pops up without clicking.
  void MouseCaptureLost() override;
  void Paint(platform::Hdc dc) override;
  void SetEnabled(bool enabled) override;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }
  void SetState(TButtonState state);

  TBitmap glyph_;
  TButtonState state_ = TButtonState::bsUp;
  bool dragging_ = false;
};

}  // namespace toolkit
