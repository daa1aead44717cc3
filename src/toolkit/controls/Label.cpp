#include "toolkit/controls/Label.h"

#include "platform/gdi.h"
#include "toolkit/controls/TextExtent.h"

namespace toolkit {

TLabel::TLabel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 65, 17); }

void TLabel::SetAutoSize(bool on) {
  if (on == autoSize_) return;
  autoSize_ = on;
  AdjustBounds();
}

void TLabel::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  if (HandleAllocated()) {
    DestroyHandle();
    HandleNeeded();
  }
  AdjustBounds();
}

void TLabel::SetText(const std::string& text) {
  TWinControl::SetText(text);
  AdjustBounds();
}

void TLabel::FontChanged() {
  TWinControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!autoSize_) return;
  // An empty label keeps the height of a line, so that it does not vanish
  // from the layout until it gets a text.
  std::string text = Text();
  TTextExtent extent = MeasureText(Font(), text.empty() ? " " : text, wordWrap_ ? Width() : 0);
  SetBounds(Left(), Top(), wordWrap_ ? Width() : extent.width, extent.height);
}

void TLabel::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = "STATIC";
  // SS_NOTIFY makes the label take the pointer (a static text is otherwise
  // transparent to it), so its own mouse events are raised.
  params.Style |= (wordWrap_ ? platform::SsLeft : platform::SsLeftNoWordWrap) | platform::SsNotify;
  params.Style &= ~platform::WsTabStop;
}

bool TLabel::CNCtlColor(platform::Hdc dc, platform::Lresult* brush) {
  platform::SetTextColor(dc, ColorToRGB(Font().Color));
  platform::SetBkMode(dc, platform::Transparent);
  *brush = static_cast<platform::Lresult>(platform::GetSysColorBrush(platform::ColorBtnFace));
  return true;
}

}  // namespace toolkit
