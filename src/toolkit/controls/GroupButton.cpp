#include "toolkit/controls/GroupButton.h"

#include "toolkit/controls/RadioGroup.h"

namespace toolkit {

TGroupButton::TGroupButton(TComponent* owner, TRadioGroup* group, int index)
    : TWinControl(owner), group_(group), index_(index) {
  SetTabOrder(index);
}

void TGroupButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  params.Style |= platform::BsAutoRadioButton;
  if (index_ == 0) params.Style |= platform::WsGroup;
}

void TGroupButton::InitializeWnd() {
  // A new button is unchecked already; the message would only take the tab
  // stop away again (a radio button keeps one only while checked), at a
  // trip to the server under Wine.
  if (!checked_ && !TabStop()) return;
  platform::SendMessageA(Handle(), platform::BmSetCheck, checked_ ? platform::BstChecked : platform::BstUnchecked, 0);
}

void TGroupButton::SetChecked(bool checked) {
  checked_ = checked;
  if (HandleAllocated()) {
    platform::SendMessageA(Handle(), platform::BmSetCheck, checked ? platform::BstChecked : platform::BstUnchecked, 0);
  }
}

void TGroupButton::Click() {
  group_->SetItemIndex(index_);
  TWinControl::Click();
}

void TGroupButton::DoEnter() {
  if (!checked_ && !LeftButtonDown()) Click();
  TWinControl::DoEnter();
}

void TGroupButton::CNCommand(std::uint32_t code) {
  if (code == platform::BnClicked) Click();
}

}  // namespace toolkit
