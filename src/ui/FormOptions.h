#pragma once
// TFormOptions: the Options dialog, created once at start-up and shown
// modally from Settings > Options.
#include "toolkit/forms/Form.h"

namespace muralto {

class TFormOptions : public vcl::TForm {
 public:
  explicit TFormOptions(vcl::TComponent* owner);
};

}  // namespace muralto
