#include "toolkit/controls/TextExtent.h"

#include "platform/gdi.h"
#include "toolkit/graphics/ScreenDc.h"

namespace toolkit {

TTextExtent MeasureText(const TFont& font, const std::string& text, int wrapWidth) {
  // A device context of the screen, where the text will show.
  const TScreenDc dc;
  if (!dc.Get()) return {};
  const platform::Hgdiobj old = platform::SelectObject(dc.Get(), font.Handle());
  platform::Rect r{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
  std::uint32_t format = platform::DtCalcRect | platform::DtExpandTabs | (wrapWidth > 0 ? platform::DtWordBreak : 0);
  platform::DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, format);
  platform::SelectObject(dc.Get(), old);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace toolkit
