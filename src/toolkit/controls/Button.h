#pragma once
// TButton: a push button. A click sets the form's ModalResult when the
// button has one, then raises OnClick.
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* owner);

  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on) { cancel_ = on; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  void Click() override;
  void CNCommand(std::uint32_t code) override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};

}  // namespace toolkit
