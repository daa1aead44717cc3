#pragma once
// TControl: anything placed on a form, windowed or drawn by its parent. It
// holds its own state (bounds, visibility, text, font); a windowed control
// mirrors that state into its window.
#include <string>

#include "platform/types.h"
#include "platform/windowing.h"
#include "toolkit/controls/Font.h"
#include "toolkit/controls/Messages.h"
#include "toolkit/core/Component.h"

namespace toolkit {

class TWinControl;

enum class TCursor { crDefault, crHandPoint };

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  platform::Rect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

  // The caption or text; a windowed control with a window reads it back.
  virtual std::string Text() const { return text_; }
  virtual void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& text) { SetText(text); }

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  bool ParentFont() const { return parentFont_; }
  TColor Color() const { return color_; }
  void SetColor(TColor color) {
    color_ = color;
    Invalidate();
  }
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  virtual bool IsWindowed() const { return false; }
  // Raises OnClick; a user's click and the programmatic ones go through here.
  virtual void Click();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  // The parent's window lost the mouse capture while this control held the
  // mouse (another window took it, Alt+Tab): no release will come.
  virtual void MouseCaptureLost() {}
  // Drawing of a control without a window of its own, into its parent's
  // device context; origin at the parent's client origin.
  virtual void Paint(platform::Hdc) {}
  virtual void Invalidate();
  // A parent whose font changed passes it on to children that follow it.
  virtual void ParentFontChanged(const TFont& font);

 protected:
  virtual void FontChanged() {}
  virtual void CursorChanged() {}
  virtual void BoundsChanged() {}
  std::string text_;

 private:
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  TFont font_;
  bool parentFont_ = true;
  TColor color_ = clBtnFace;
  TCursor cursor_ = TCursor::crDefault;
};

}  // namespace toolkit
