#pragma once
// The main window's layout with stand-in handlers: Add appends a made-up
// folder, Delete and Clear edit the list, Start toggles, Esc and Exit close.
#include "toolkit/forms/Form.h"

namespace demo {

class TDemoForm : public toolkit::TForm {
 public:
  explicit TDemoForm(toolkit::TComponent* owner);

 private:
  int added_ = 0;
  bool running_ = false;
};

}  // namespace demo
