#pragma once
// TAboutBox: the About box, created once at start-up and shown modally from
// Help > About.
#include "toolkit/forms/Form.h"

namespace muralto {

class TAboutBox : public vcl::TForm {
 public:
  explicit TAboutBox(vcl::TComponent* owner);
};

}  // namespace muralto
