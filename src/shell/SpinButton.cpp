#include "shell/SpinButton.h"

#include <algorithm>

#include "platform/gdi.h"
#include "resources/Glyphs.h"
#include "toolkit/io/MemoryStream.h"

namespace muralto {

namespace {
void LoadBuiltInGlyph(toolkit::TBitmap& glyph, const char* name) {
  auto bytes = GlyphBitmap(name);
  toolkit::TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  glyph.LoadFromStream(stream);
}
}  // namespace

TCSpinButton::TCSpinButton(toolkit::TComponent* owner) : toolkit::TWinControl(owner) {
  arrowUp_ = CreateArrow("SpinUp");
  arrowDown_ = CreateArrow("SpinDown");
  focusedArrow_ = arrowUp_;
  SetTabStop(false);
  SetBounds(0, 0, 20, 25);
}

TTimerSpeedButton* TCSpinButton::CreateArrow(const char* glyphName) {
  auto* arrow = toolkit::TComponent::Create<TTimerSpeedButton>(this);
  arrow->OnClick = [this](toolkit::TObject* sender) { BtnClick(sender); };
  arrow->OnMouseDown = [this](toolkit::TObject* sender, toolkit::TMouseButton button, toolkit::TShiftState shift, int x,
                              int y) { BtnMouseDown(sender, button, shift, x, y); };
  arrow->SetAutoRepeat(true);
  LoadBuiltInGlyph(arrow->Glyph(), glyphName);
  arrow->SetParent(this);
  return arrow;
}

void TCSpinButton::SetUpGlyph(const toolkit::TBitmap& glyph) {
  if (glyph.Empty()) {
    LoadBuiltInGlyph(arrowUp_->Glyph(), "SpinUp");
  } else {
    arrowUp_->Glyph().Assign(glyph);
  }
  arrowUp_->Invalidate();
}

void TCSpinButton::SetDownGlyph(const toolkit::TBitmap& glyph) {
  if (glyph.Empty()) {
    LoadBuiltInGlyph(arrowDown_->Glyph(), "SpinDown");
  } else {
    arrowDown_->Glyph().Assign(glyph);
  }
  arrowDown_->Invalidate();
}

void TCSpinButton::CreateParams(toolkit::TCreateParams& params) {
  toolkit::TWinControl::CreateParams(params);
  params.WinClassName = "TCSpinButton";
  params.OwnClass = true;
  params.ClassStyle = platform::CsHRedraw | platform::CsVRedraw;
  params.Caption.clear();
}

void TCSpinButton::PaintWindow(platform::Hdc dc) {
  platform::Rect r{0, 0, Width(), Height()};
  platform::FillRectSysColor(dc, &r, platform::ColorBtnFace);
}

void TCSpinButton::AdjustSize(int& width, int& height) {
  if (!arrowUp_ || !arrowDown_) return;
  width = std::max(width, 15);
  arrowUp_->SetBounds(0, 0, width, height / 2);
  arrowDown_->SetBounds(0, arrowUp_->Height() - 1, width, height - arrowUp_->Height() + 1);
}

void TCSpinButton::SetBounds(int left, int top, int width, int height) {
  AdjustSize(width, height);
  toolkit::TWinControl::SetBounds(left, top, width, height);
}

void TCSpinButton::Loaded() {
  toolkit::TWinControl::Loaded();
  int w = Width(), h = Height();
  AdjustSize(w, h);
  if (w != Width() || h != Height()) toolkit::TWinControl::SetBounds(Left(), Top(), w, h);
}

void TCSpinButton::BtnClick(toolkit::TObject* sender) {
  if (sender == arrowUp_) {
    toolkit::Fire(OnUpClick, this);
  } else if (sender == arrowDown_) {
    toolkit::Fire(OnDownClick, this);
  }
}

void TCSpinButton::BtnMouseDown(toolkit::TObject* sender, toolkit::TMouseButton button, toolkit::TShiftState, int,
                                int) {
  if (button != toolkit::TMouseButton::mbLeft) return;
  if (auto* arrow = dynamic_cast<TTimerSpeedButton*>(sender)) SetFocusBtn(arrow);
  if (focusControl_ && focusControl_->TabStop() && focusControl_->CanFocus() && !focusControl_->Focused()) {
    focusControl_->SetFocus();
  } else if (TabStop() && !Focused() && CanFocus()) {
    SetFocus();
  }
}

void TCSpinButton::SetFocusBtn(TTimerSpeedButton* arrow) {
  if (!TabStop() || !CanFocus() || arrow == focusedArrow_) return;
  focusedArrow_->SetFocusRectVisible(false);
  focusedArrow_ = arrow;
  if (Focused()) {
    focusedArrow_->SetFocusRectVisible(true);
    focusedArrow_->Invalidate();
  }
}

void TCSpinButton::KeyDown(std::uint16_t& key, toolkit::TShiftState shift) {
  switch (key) {
    case platform::VkSpace: focusedArrow_->Click(); break;
    case platform::VkUp:
      SetFocusBtn(arrowUp_);
      arrowUp_->Click();
      break;
    case platform::VkDown:
      SetFocusBtn(arrowDown_);
      arrowDown_->Click();
      break;
    default: break;
  }
  toolkit::TWinControl::KeyDown(key, shift);
}

void TCSpinButton::DoEnter() {
  focusedArrow_->SetFocusRectVisible(true);
  toolkit::TWinControl::DoEnter();
}

void TCSpinButton::DoExit() {
  focusedArrow_->SetFocusRectVisible(false);
  toolkit::TWinControl::DoExit();
}

void TCSpinButton::WndProc(toolkit::TMessage& m) {
  if (m.Msg == platform::WmGetDlgCode) {
    m.Result = platform::DlgcWantArrows;
    return;
  }
  toolkit::TWinControl::WndProc(m);
}

}  // namespace muralto
