#include "ui/AboutBox.h"

namespace muralto {

TAboutBox::TAboutBox(vcl::TComponent* owner) : vcl::TForm(owner) {
  SetName("AboutBox");
  SetWindowClassName("TAboutBox");
  SetCaption("About");
  SetBorderStyle(vcl::TFormBorderStyle::bsDialog);
  SetBorderIcons(vcl::biSystemMenu);
  SetPosition(vcl::TPosition::poScreenCenter);
  SetClientSize(200, 80);
}

}  // namespace muralto
