#include "toolkit/controls/Panel.h"

#include "platform/gdi.h"

namespace toolkit {

TPanel::TPanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TPanel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "TPanel";
  params.OwnClass = true;
  params.ClassStyle = platform::CsHRedraw | platform::CsVRedraw;
  params.Style |= platform::WsClipChildren;
}

void TPanel::PaintWindow(platform::Hdc dc) {
  platform::Rect r{0, 0, Width(), Height()};
  platform::FillRectSysColor(dc, &r, platform::ColorBtnFace);
  auto edge = [](TBevelCut cut) {
    return cut == TBevelCut::bvRaised ? platform::BdrRaisedOuter : platform::BdrSunkenOuter;
  };
  if (bevelOuter_ != TBevelCut::bvNone)
    platform::DrawEdge(dc, &r, edge(bevelOuter_), platform::BfRect | platform::BfAdjust);
  if (bevelInner_ != TBevelCut::bvNone)
    platform::DrawEdge(dc, &r, edge(bevelInner_), platform::BfRect | platform::BfAdjust);
}

}  // namespace toolkit
