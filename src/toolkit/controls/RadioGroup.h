#pragma once
// TRadioGroup: a group box with one radio button per item. ItemIndex runs
// from -1 (nothing chosen) to the last item: a larger value chooses the
// last item, a smaller one gives -1. Choosing another item, by the program
// or by the user, raises OnClick; no change, and a change to -1 (no item
// chosen), raise nothing. The box itself takes no focus: its chosen button
// is its place in the tab order (the first one while nothing is chosen).
#include <string>
#include <vector>

#include "toolkit/controls/GroupBox.h"

namespace toolkit {

class TGroupButton;

class TRadioGroup : public TGroupBox {
 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(const std::vector<std::string>& items);
  void SetItem(int index, const std::string& caption);
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TGroupButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }

 protected:
  void BoundsChanged() override;

 private:
  void CreateButtons();
  void DestroyButtons();
  void ArrangeButtons();
  void UpdateChecks();

  std::vector<std::string> items_;
  int itemIndex_ = -1;
  std::vector<TGroupButton*> buttons_;
};

}  // namespace toolkit
