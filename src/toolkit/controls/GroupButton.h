#pragma once
// TGroupButton: one item of a radio group, a radio button with a window of
// its own that takes the focus. The group holds which item is chosen; the
// button shows it and is the group's tab stop while it is the chosen one.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TRadioGroup;

class TGroupButton : public TWinControl {
 public:
  TGroupButton(TComponent* owner, TRadioGroup* group, int index);

  int Index() const { return index_; }
  bool Checked() const { return checked_; }
  // Shows the check mark; the group calls this, nothing is raised.
  void SetChecked(bool checked);

  bool IsGroupChoice() const override { return true; }
  // Chooses this item in the group (which raises the group's OnClick when
  // the choice changes).
  void Click() override;
  void CNCommand(std::uint32_t code) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;
  // A radio button that gets the focus by the keyboard or the program is
  // chosen, as the system's own radio buttons are.
  void DoEnter() override;

 private:
  TRadioGroup* group_;
  int index_;
  bool checked_ = false;
};

}  // namespace toolkit
