#include "ui/FormOptions.h"

namespace muralto {

TFormOptions::TFormOptions(vcl::TComponent* owner) : vcl::TForm(owner) {
  SetName("FormOptions");
  SetWindowClassName("TFormOptions");
  SetCaption("Options");
  SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
  SetBorderIcons(vcl::biSystemMenu);
  SetPosition(vcl::TPosition::poScreenCenter);
  SetClientSize(200, 80);
}

}  // namespace muralto
