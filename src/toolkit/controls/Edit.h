#pragma once
// TEdit: a one-line edit field. The text is the window's once it exists
// (the user types into it); OnChange comes whenever the text changes, by
// typing, pasting or by the program (exactly once per programmatic change,
// also for multi-line edit windows, which do not report WM_SETTEXT).
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* owner);

  void SetText(const std::string& text) override;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool on) { autoSelect_ = on; }
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on) { autoSize_ = on; }
  void SelectAll();
  int SelLength() const;
  void SetSelection(int start, int length);

  TNotifyEvent OnChange;
  // Raises OnChange.
  virtual void Change();
  void CNCommand(std::uint32_t code) override;
  bool CNCtlColor(platform::Hdc, platform::Lresult*) override { return false; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void DoEnter() override;

 private:
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool autoSize_ = true;
  bool settingText_ = false;
  int selLength_ = 0;  // without a window
};

}  // namespace toolkit
