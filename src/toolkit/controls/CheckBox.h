#pragma once
// TCheckBox: a check box. Setting a different state raises OnClick, as a
// user's click does; setting the same state raises nothing.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* owner);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  void CNCommand(std::uint32_t code) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  bool checked_ = false;
};

}  // namespace toolkit
