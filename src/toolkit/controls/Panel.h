#pragma once
// TPanel: a plain area with bevels that can hold other controls.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

enum class TBevelCut { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
 public:
  explicit TPanel(TComponent* owner);

  TBevelCut BevelInner() const { return bevelInner_; }
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelInner(TBevelCut cut) {
    bevelInner_ = cut;
    Invalidate();
  }
  void SetBevelOuter(TBevelCut cut) {
    bevelOuter_ = cut;
    Invalidate();
  }

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(platform::Hdc dc) override;

 private:
  TBevelCut bevelInner_ = TBevelCut::bvNone;
  TBevelCut bevelOuter_ = TBevelCut::bvRaised;
};

}  // namespace toolkit
