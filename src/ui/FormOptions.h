#pragma once
// TFormOptions: the Options dialog, created once at start-up and shown
// modally from Settings > Options. Its two boxes act the moment they change
// state, through the window that opened it: there is no OK or Cancel.
#include "toolkit/forms/Form.h"
#include "ui/OptionsHost.h"

namespace toolkit {
class TCheckBox;
}  // namespace toolkit

namespace muralto {

class TFormOptions : public toolkit::TForm {
 public:
  explicit TFormOptions(toolkit::TComponent* owner);

  // The window whose switches the dialog shows; set once at start-up.
  TOptionsHost* Host() const { return host_; }
  void SetHost(TOptionsHost* host) { host_ = host; }

  // Controls from the layout.
  toolkit::TCheckBox* CheckBoxAutoStart = nullptr;
  toolkit::TCheckBox* cbTray = nullptr;

  // "start with system": the switch, the Run value and the settings file.
  void CheckBoxAutoStartClick(toolkit::TObject* sender);
  // "tray icon": the switch and the icon; the settings file follows with
  // the next save of the main window.
  void cbTrayClick(toolkit::TObject* sender);

 private:
  TOptionsHost* host_ = nullptr;
};

}  // namespace muralto
