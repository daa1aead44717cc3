#pragma once
// TFormOptions: the Options dialog, created once at start-up and shown
// modally from Settings > Options.
#include "toolkit/forms/Form.h"
#include "ui/OptionsHost.h"

namespace muralto {

class TFormOptions : public vcl::TForm {
 public:
  explicit TFormOptions(vcl::TComponent* owner);

  // The window whose switches the dialog shows; set once at start-up.
  TOptionsHost* Host() const { return host_; }
  void SetHost(TOptionsHost* host) { host_ = host; }

 private:
  TOptionsHost* host_ = nullptr;
};

}  // namespace muralto
