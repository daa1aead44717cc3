#pragma once
// TStatusBar: the strip along a form's bottom edge.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
};

}  // namespace toolkit
