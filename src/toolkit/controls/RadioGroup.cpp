#include "toolkit/controls/RadioGroup.h"

#include <algorithm>

namespace vcl {

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {
  SetTabStop(true);
}

TRadioGroup::~TRadioGroup() { DestroyHandle(); }

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = static_cast<int>(items_.size()) - 1;
  if (HandleAllocated()) {
    DestroyButtons();
    CreateButtons();
  }
}

void TRadioGroup::SetItem(int index, const std::string& caption) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_[static_cast<std::size_t>(index)] = caption;
  if (index < static_cast<int>(buttons_.size())) {
    platform::SetWindowTextA(buttons_[static_cast<std::size_t>(index)], caption.c_str());
  }
}

void TRadioGroup::SetItemIndex(int index) {
  int last = static_cast<int>(items_.size()) - 1;
  if (index < -1) index = -1;
  if (index > last) index = last;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  UpdateChecks();
  // The click comes from the button that gets chosen: clearing the choice
  // chooses none and raises nothing.
  if (index >= 0) Click();
}

void TRadioGroup::InitializeWnd() { CreateButtons(); }

void TRadioGroup::DestroyWnd() {
  DestroyButtons();
  TGroupBox::DestroyWnd();
}

void TRadioGroup::CreateButtons() {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    std::uint32_t style = platform::WsChild | platform::WsVisible | platform::BsAutoRadioButton;
    if (i == 0) style |= platform::WsGroup;
    if (!Enabled()) style |= platform::WsDisabled;
    platform::Hwnd button = platform::CreateWindowExA(0, "BUTTON", items_[i].c_str(), style, 0, 0, 0, 0, Handle(),
                                                      static_cast<platform::Hmenu>(i + 1));
    if (!button) continue;
    platform::SendMessageA(button, platform::WmSetFont, Font().Handle(), 0);
    buttons_.push_back(button);
  }
  ArrangeButtons();
  UpdateChecks();
}

void TRadioGroup::DestroyButtons() {
  for (platform::Hwnd button : buttons_) platform::DestroyWindow(button);
  buttons_.clear();
}

// The buttons share the box below its caption line evenly, one per row.
void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int captionHeight = 14;
  int count = static_cast<int>(buttons_.size());
  int deltaY = std::max(1, (Height() - captionHeight - 5) / count);
  int buttonHeight = std::min(deltaY, 17);
  for (int i = 0; i < count; ++i) {
    int top = captionHeight + i * deltaY + (deltaY - buttonHeight) / 2;
    platform::MoveWindow(buttons_[static_cast<std::size_t>(i)], 8, top, std::max(0, Width() - 16), buttonHeight, true);
  }
}

void TRadioGroup::UpdateChecks() {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    bool on = static_cast<int>(i) == itemIndex_;
    platform::SendMessageA(buttons_[i], platform::BmSetCheck, on ? platform::BstChecked : platform::BstUnchecked, 0);
  }
}

void TRadioGroup::BoundsChanged() { ArrangeButtons(); }

void TRadioGroup::FontChanged() {
  TGroupBox::FontChanged();
  for (platform::Hwnd button : buttons_) platform::SendMessageA(button, platform::WmSetFont, Font().Handle(), 1);
}

void TRadioGroup::WndProc(TMessage& m) {
  if (m.Msg == platform::WmCommand && m.LParam && platform::HiWord(m.WParam) == platform::BnClicked) {
    auto it = std::find(buttons_.begin(), buttons_.end(), static_cast<platform::Hwnd>(m.LParam));
    if (it != buttons_.end()) {
      SetItemIndex(static_cast<int>(it - buttons_.begin()));
      return;
    }
  }
  TGroupBox::WndProc(m);
}

}  // namespace vcl
