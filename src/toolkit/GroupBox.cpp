#include "toolkit/GroupBox.h"

namespace vcl {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  params.Style |= platform::BsGroupBox | platform::WsClipChildren;
  params.ExStyle |= platform::WsExControlParent;
}

}  // namespace vcl
