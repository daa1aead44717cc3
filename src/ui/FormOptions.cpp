#include "ui/FormOptions.h"

#include "app/ProgramReferences.h"

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

TFormOptions::~TFormOptions() {
  // The program-wide reference must not outlive the dialog.
  if (FormOptions == this) FormOptions = nullptr;
}

}  // namespace muralto
