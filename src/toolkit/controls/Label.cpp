#include "toolkit/controls/Label.h"

#include "platform/gdi.h"

namespace vcl {

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  if (HandleAllocated()) {
    DestroyHandle();
    HandleNeeded();
  }
}

void TLabel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "STATIC";
  // SS_NOTIFY lets the mouse reach the label's own events.
  params.Style |= (wordWrap_ ? platform::SsLeft : platform::SsLeftNoWordWrap) | platform::SsNotify;
  params.Style &= ~platform::WsTabStop;
}

bool TLabel::CNCtlColor(platform::Hdc dc, platform::Lresult* brush) {
  platform::SetTextColor(dc, ColorToRGB(Font().Color));
  platform::SetBkMode(dc, platform::Transparent);
  *brush = static_cast<platform::Lresult>(platform::GetSysColorBrush(platform::ColorBtnFace));
  return true;
}

}  // namespace vcl
