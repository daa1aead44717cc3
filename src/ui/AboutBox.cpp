#include "ui/AboutBox.h"

#include "app/ProgramReferences.h"

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

TAboutBox::~TAboutBox() {
  // The program-wide reference must not outlive the dialog.
  if (AboutBox == this) AboutBox = nullptr;
}

}  // namespace muralto
