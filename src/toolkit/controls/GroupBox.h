#pragma once
// TGroupBox: a captioned frame that holds other controls.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TGroupBox : public TWinControl {
 public:
  explicit TGroupBox(TComponent* owner);
  void WndProc(TMessage& message) override;

 protected:
  void CreateParams(TCreateParams& params) override;
};

}  // namespace toolkit
