#include "toolkit/controls/Control.h"

#include "toolkit/controls/WinControl.h"

namespace toolkit {

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  parent_ = nullptr;
  if (parent) {
    parent_ = parent;
    if (parentFont_) font_ = parent->Font();
    parent->InsertControl(this);
  }
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  BoundsChanged();
  Invalidate();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Invalidate();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Invalidate();
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Invalidate();
}

void TControl::SetFont(const TFont& font) {
  parentFont_ = false;
  if (font == font_) return;
  font_ = font;
  FontChanged();
  Invalidate();
}

void TControl::ParentFontChanged(const TFont& font) {
  if (!parentFont_ || font == font_) return;
  font_ = font;
  FontChanged();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  CursorChanged();
}

void TControl::Click() { Fire(OnClick, this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated() && !IsWindowed()) {
    platform::Rect r = BoundsRect();
    platform::InvalidateRect(parent_->Handle(), &r, true);
  }
}

}  // namespace toolkit
