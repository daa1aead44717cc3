#include "toolkit/controls/RadioGroup.h"

#include <algorithm>

#include "toolkit/controls/GroupButton.h"

namespace toolkit {

TRadioGroup::TRadioGroup(TComponent* owner) : TGroupBox(owner) {}

TRadioGroup::~TRadioGroup() {
  DestroyButtons();
  DestroyHandle();
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = static_cast<int>(items_.size()) - 1;
  DestroyButtons();
  CreateButtons();
}

void TRadioGroup::SetItem(int index, const std::string& caption) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_[static_cast<std::size_t>(index)] = caption;
  if (index < ButtonCount()) Buttons(index)->SetCaption(caption);
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

void TRadioGroup::CreateButtons() {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    auto* button = TComponent::Create<TGroupButton>(this, this, static_cast<int>(i));
    button->SetCaption(items_[i]);
    button->SetEnabled(Enabled());
    buttons_.push_back(button);
  }
  ArrangeButtons();
  UpdateChecks();
  for (TGroupButton* button : buttons_) button->SetParent(this);
}

void TRadioGroup::DestroyButtons() {
  for (TGroupButton* button : buttons_) TComponent::Free(button);
  buttons_.clear();
}

// The buttons share the box below its caption line evenly, one per row.
void TRadioGroup::ArrangeButtons() {
  if (buttons_.empty()) return;
  const int captionHeight = 14;
  int count = ButtonCount();
  int deltaY = std::max(1, (Height() - captionHeight - 5) / count);
  int buttonHeight = std::min(deltaY, 17);
  for (int i = 0; i < count; ++i) {
    int top = captionHeight + i * deltaY + (deltaY - buttonHeight) / 2;
    Buttons(i)->SetBounds(8, top, std::max(0, Width() - 16), buttonHeight);
  }
}

void TRadioGroup::UpdateChecks() {
  int tabStop = itemIndex_ >= 0 ? itemIndex_ : 0;
  for (int i = 0; i < ButtonCount(); ++i) {
    Buttons(i)->SetChecked(i == itemIndex_);
    Buttons(i)->SetTabStop(i == tabStop);
  }
}

void TRadioGroup::BoundsChanged() { ArrangeButtons(); }

}  // namespace toolkit
