#include "toolkit/controls/SpeedButton.h"

#include "platform/gdi.h"
#include "toolkit/controls/WinControl.h"

namespace toolkit {

TSpeedButton::TSpeedButton(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 23, 22); }

void TSpeedButton::SetState(TButtonState state) {
  if (state == state_) return;
  state_ = state;
  Invalidate();
}

void TSpeedButton::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  SetState(enabled ? TButtonState::bsUp : TButtonState::bsDisabled);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TControl::MouseDown(button, shift, x, y);
  if (button == TMouseButton::mbLeft && Enabled()) {
    dragging_ = true;
    SetState(TButtonState::bsDown);
  }
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TControl::MouseMove(shift, x, y);
  if (dragging_) SetState(Inside(x, y) ? TButtonState::bsDown : TButtonState::bsUp);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TControl::MouseUp(button, shift, x, y);
  if (!dragging_ || button != TMouseButton::mbLeft) return;
  dragging_ = false;
  bool inside = Inside(x, y);
  SetState(TButtonState::bsUp);
  if (inside) Click();
}

void TSpeedButton::MouseCaptureLost() {
  dragging_ = false;
  SetState(Enabled() ? TButtonState::bsUp : TButtonState::bsDisabled);
}

void TSpeedButton::Paint(platform::Hdc dc) {
  platform::Rect r{Left(), Top(), Left() + Width(), Top() + Height()};
  platform::FillRectSysColor(dc, &r, platform::ColorBtnFace);
  platform::Rect edge = r;
  platform::DrawEdge(dc, &edge, state_ == TButtonState::bsDown ? platform::EdgeSunken : platform::EdgeRaised,
                     platform::BfRect);
  if (glyph_.Empty()) return;
  std::vector<std::uint8_t> bgra = glyph_.ToBgra();
  int w = glyph_.Width(), h = glyph_.Height();
  // The bottom-left pixel's colour is the transparent one.
  std::size_t corner = static_cast<std::size_t>((h - 1) * w) * 4;
  auto colorAt = [&](std::size_t i) {
    return static_cast<std::uint32_t>(bgra[i + 2]) | (static_cast<std::uint32_t>(bgra[i + 1]) << 8) |
           (static_cast<std::uint32_t>(bgra[i]) << 16);
  };
  std::uint32_t transparent = colorAt(corner);
  int shift = state_ == TButtonState::bsDown ? 1 : 0;
  int x0 = Left() + (Width() - w) / 2 + shift, y0 = Top() + (Height() - h) / 2 + shift;
  std::uint32_t grey = platform::GetSysColor(platform::ColorBtnShadow);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t c = colorAt(static_cast<std::size_t>(y * w + x) * 4);
      if (c == transparent) continue;
      platform::SetPixelV(dc, x0 + x, y0 + y, Enabled() ? c : grey);
    }
  }
}

}  // namespace toolkit
