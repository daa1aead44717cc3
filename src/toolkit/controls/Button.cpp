#include "toolkit/controls/Button.h"

#include "toolkit/controls/FormLink.h"

namespace toolkit {

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool on) {
  default_ = on;
  if (HandleAllocated()) {
    platform::SendMessageA(Handle(), 0x00F4 /* BM_SETSTYLE */, on ? platform::BsDefPushButton : platform::BsPushButton,
                           1);
  }
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  params.Style |= default_ ? platform::BsDefPushButton : platform::BsPushButton;
}

void TButton::Click() {
  if (modalResult_ != 0) {
    if (TFormLink* form = FormOf(this)) form->SetModalResult(modalResult_);
  }
  TWinControl::Click();
}

void TButton::CNCommand(std::uint32_t code) {
  if (code == platform::BnClicked) Click();
}

}  // namespace toolkit
