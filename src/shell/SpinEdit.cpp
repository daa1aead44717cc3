#include "shell/SpinEdit.h"

#include <algorithm>
#include <string>

#include "platform/UniqueHandle.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/locale.h"
#include "toolkit/graphics/ScreenDc.h"

namespace muralto {

TCSpinEdit::TCSpinEdit(toolkit::TComponent* owner) : toolkit::TEdit(owner) {
  button_ = toolkit::TComponent::Create<TCSpinButton>(this);
  button_->SetBounds(0, 0, 15, 17);
  button_->SetVisible(true);
  button_->SetParent(this);
  button_->SetFocusControl(this);
  button_->OnUpClick = [this](toolkit::TObject* sender) { UpClick(sender); };
  button_->OnDownClick = [this](toolkit::TObject* sender) { DownClick(sender); };
  text_.assign(1, '0');  // a new spin edit shows "0"
  increment_ = 1;
  editorEnabled_ = true;
  Resize();
}

void TCSpinEdit::CreateParams(toolkit::TCreateParams& params) {
  toolkit::TEdit::CreateParams(params);
  // Multi-line, so that the formatting rectangle can keep text off the arrows.
  params.Style |= platform::EsMultiline | platform::WsClipChildren;
}

void TCSpinEdit::InitializeWnd() {
  toolkit::TEdit::InitializeWnd();
  Resize();
  SetEditRect();
}

std::int32_t TCSpinEdit::CheckValue(std::int32_t v) const {
  if (maxValue_ == minValue_) return v;
  if (v < minValue_) return minValue_;
  if (v > maxValue_) return maxValue_;
  return v;
}

std::int32_t TCSpinEdit::GetValue() {
  std::int32_t value = 0;
  if (ParseSpinValue(Text(), &value)) return value;
  SetText(std::to_string(minValue_));
  return minValue_;
}

void TCSpinEdit::SetValue(std::int32_t v) {
  std::string text = std::to_string(CheckValue(v));
  if (text != Text()) SetText(text);
}

// A step beyond the 32-bit range stops at its end instead of wrapping round
// to the other end.
void TCSpinEdit::Step(std::int64_t delta) {
  std::int64_t next = static_cast<std::int64_t>(GetValue()) + delta;
  next = std::clamp<std::int64_t>(next, INT32_MIN, INT32_MAX);
  SetValue(static_cast<std::int32_t>(next));
}

void TCSpinEdit::UpClick(toolkit::TObject*) {
  if (ReadOnly()) {
    platform::MessageBeep(0);
  } else {
    Step(increment_);
  }
}

void TCSpinEdit::DownClick(toolkit::TObject*) {
  if (ReadOnly()) {
    platform::MessageBeep(0);
  } else {
    Step(-static_cast<std::int64_t>(increment_));
  }
}

void TCSpinEdit::KeyDown(std::uint16_t& key, toolkit::TShiftState shift) {
  if (key == platform::VkUp) {
    UpClick(this);
  } else if (key == platform::VkDown) {
    DownClick(this);
  }
  toolkit::TEdit::KeyDown(key, shift);
}

void TCSpinEdit::KeyPress(char& key) {
  if (!IsValidChar(key)) {
    key = 0;
    platform::MessageBeep(0);
  }
  if (key != 0) toolkit::TEdit::KeyPress(key);
}

bool TCSpinEdit::IsValidChar(char key) const {
  char separator = '.';
  char buffer[8] = {};
  if (platform::GetLocaleInfoA(platform::LocaleUserDefault, platform::LocaleSDecimal, buffer, sizeof buffer) > 1) {
    separator = buffer[0];
  }
  auto code = static_cast<unsigned char>(key);
  bool valid = key == separator || key == '+' || key == '-' || (key >= '0' && key <= '9') ||
               (code < 32 && code != platform::VkReturn);
  if (!editorEnabled_ && valid && (code >= 32 || code == platform::VkBack)) valid = false;
  return valid;
}

int TCSpinEdit::GetMinHeight() {
  const toolkit::TScreenDc screen;
  const platform::Hdc dc = screen.Get();
  platform::TextMetric system, metrics;
  {
    // The context's own font goes back before the context is released.
    const platform::UniqueHandle selection(platform::SelectObject(dc, platform::GetStockObject(platform::SystemFont)),
                                           [dc](platform::Hgdiobj old) { platform::SelectObject(dc, old); });
    platform::GetTextMetricsA(dc, &system);
    platform::SelectObject(dc, Font().Handle());
    platform::GetTextMetricsA(dc, &metrics);
  }
  int smaller = std::min(system.height, metrics.height);
  return metrics.height + smaller / 4 + platform::GetSystemMetrics(platform::SmCyBorder) * 4 + 2;
}

void TCSpinEdit::SetEditRect() {
  if (!HandleAllocated() || !button_) return;
  platform::Rect r{0, 0, ClientWidth() - button_->Width() - 2, ClientHeight() + 1};
  platform::SendMessageA(Handle(), platform::EmSetRectNp, 0, reinterpret_cast<platform::Lparam>(&r));
}

void TCSpinEdit::Resize() {
  if (!button_) return;
  int minHeight = GetMinHeight();
  if (Height() < minHeight) {
    SetHeight(minHeight);  // resizes again
    return;
  }
  button_->SetBounds(Width() - button_->Width() - 5, 0, button_->Width(), Height() - 5);
  SetEditRect();
}

void TCSpinEdit::BoundsChanged() {
  toolkit::TEdit::BoundsChanged();
  Resize();
}

// A press on the field itself places the caret where it lands; the focus
// that comes with a press on an arrow selects like any other.
void TCSpinEdit::DoEnter() {
  if (AutoSelect() && !LeftButtonDown()) SelectAll();
  // Not TEdit's, which would select all on a press too.
  toolkit::TWinControl::DoEnter();  // NOLINT(bugprone-parent-virtual-call)
}

void TCSpinEdit::DoExit() {
  std::int32_t value = GetValue();
  if (CheckValue(value) != value) SetValue(value);
  toolkit::TWinControl::DoExit();
}

void TCSpinEdit::WndProc(toolkit::TMessage& m) {
  if ((m.Msg == platform::WmPaste || m.Msg == platform::WmCut) && (!editorEnabled_ || ReadOnly())) return;
  toolkit::TEdit::WndProc(m);
  // Wine's edit control paints its whole client area, the arrow pair's
  // included, when it draws text, the caret or a selection: the arrows are
  // drawn again after it.
  switch (m.Msg) {
    case platform::WmPaint:
    case platform::WmSetFocus:
    case platform::WmKillFocus:
    case platform::WmChar:
    case platform::WmKeyDown:
    case platform::WmSetText:
    case platform::EmSetSel:
    case platform::WmPaste:
    case platform::WmCut:
      if (button_ && button_->HandleAllocated()) platform::InvalidateRect(button_->Handle(), nullptr, false);
      break;
    default: break;
  }
}

}  // namespace muralto
