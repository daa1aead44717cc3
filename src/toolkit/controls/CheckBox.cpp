#include "toolkit/controls/CheckBox.h"

namespace toolkit {

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  params.Style |= platform::BsAutoCheckBox;
}

void TCheckBox::InitializeWnd() {
  platform::SendMessageA(Handle(), platform::BmSetCheck, checked_ ? platform::BstChecked : platform::BstUnchecked, 0);
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (HandleAllocated()) {
    platform::SendMessageA(Handle(), platform::BmSetCheck, checked ? platform::BstChecked : platform::BstUnchecked, 0);
  }
  Click();
}

void TCheckBox::CNCommand(std::uint32_t code) {
  if (code != platform::BnClicked) return;
  // The user's click already changed the box; take its state back.
  bool now = platform::SendMessageA(Handle(), platform::BmGetCheck, 0, 0) == platform::BstChecked;
  if (now != checked_) {
    checked_ = now;
    Click();
  }
}

}  // namespace toolkit
