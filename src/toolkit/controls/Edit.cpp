#include "toolkit/controls/Edit.h"

#include <algorithm>

namespace toolkit {

TEdit::TEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
}

void TEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "EDIT";
  params.Style |= platform::EsAutoHScroll | platform::EsLeft;
  if (readOnly_) params.Style |= platform::EsReadOnly;
  params.ExStyle |= platform::WsExClientEdge;
}

void TEdit::SetText(const std::string& text) {
  if (text == Text()) return;
  text_ = text;
  if (HandleAllocated()) {
    settingText_ = true;
    platform::SetWindowTextA(Handle(), text.c_str());
    settingText_ = false;
  }
  Change();
}

void TEdit::SetReadOnly(bool on) {
  readOnly_ = on;
  if (HandleAllocated()) platform::SendMessageA(Handle(), platform::EmSetReadOnly, on ? 1 : 0, 0);
}

void TEdit::SelectAll() { SetSelection(0, static_cast<int>(Text().size())); }

void TEdit::SetSelection(int start, int length) {
  selLength_ = length;
  if (HandleAllocated()) {
    platform::SendMessageA(Handle(), platform::EmSetSel, static_cast<platform::Wparam>(start), start + length);
  }
}

int TEdit::SelLength() const {
  if (!HandleAllocated()) return selLength_;
  std::uint32_t a = 0, b = 0;
  platform::SendMessageA(const_cast<TEdit*>(this)->Handle(), platform::EmGetSel, reinterpret_cast<platform::Wparam>(&a),
                         reinterpret_cast<platform::Lparam>(&b));
  return static_cast<int>(b - a);
}

void TEdit::Change() { Fire(OnChange, this); }

void TEdit::CNCommand(std::uint32_t code) {
  if (code == platform::EnChange && !settingText_) Change();
}

void TEdit::DoEnter() {
  if (autoSelect_) SelectAll();
  TWinControl::DoEnter();
}

}  // namespace toolkit
