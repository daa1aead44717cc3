#include "toolkit/controls/GroupBox.h"

#include "platform/desktop.h"
#include "platform/gdi.h"

namespace toolkit {

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "BUTTON";
  params.Style |= platform::BsGroupBox | platform::WsClipChildren;
  params.ExStyle |= platform::WsExControlParent;
}

}  // namespace toolkit

namespace toolkit {

// The system's group box paints only its frame and caption; what lies
// inside, behind the controls it holds, is painted here.
void TGroupBox::WndProc(TMessage& m) {
  if (m.Msg == platform::WmEraseBkgnd) {
    platform::Rect r;
    platform::GetClientRect(Handle(), &r);
    platform::FillRectSysColor(static_cast<platform::Hdc>(m.WParam), &r, platform::ColorBtnFace);
    m.Result = 1;
    return;
  }
  TWinControl::WndProc(m);
}

}  // namespace toolkit
