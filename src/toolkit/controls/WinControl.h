#pragma once
// TWinControl: a control with a window of its own. Its state lives in the
// object; once the window exists the state is mirrored into it and the
// user's changes are taken back. Each window is bound to its object once,
// when it is created, and unbound before it is destroyed.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/windowing.h"
#include "toolkit/controls/Control.h"
#include "toolkit/controls/WindowSubclass.h"
#include "toolkit/core/Notice.h"

namespace toolkit {

struct TCreateParams {
  std::string WinClassName;
  bool OwnClass = false;  // a class of the library's own, not a predefined control
  int ClassBackground = platform::ColorBtnFace;
  std::uint32_t ClassStyle = 0;
  std::string Caption;
  std::uint32_t Style = 0;
  std::uint32_t ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  platform::Hwnd WndParent = 0;
  platform::Hmenu Menu = 0;       // a top-level window's menu bar
  platform::Hicon ClassIcon = 0;  // the icon of an own class, registered with it
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  bool IsWindowed() const override { return true; }
  // The window, created on first use when the parent (if any) can have one.
  platform::Hwnd Handle();
  bool HandleAllocated() const { return handle_ != 0; }
  void HandleNeeded() { Handle(); }
  // Destroys the window (and its children's) but keeps the state.
  void DestroyHandle();
  // The window procedure found the window of this object before
  // CreateWindowExA returned: its first messages need the handle.
  void AttachCreatingWindow(platform::Hwnd window) { handle_ = window; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool on);
  // The windowed children that take the focus, in tab order, at any depth.
  std::vector<TWinControl*> TabList();

  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  void ParentFontChanged(const TFont& font) override;
  void Invalidate() override;
  // The client area's size.
  virtual int ClientWidth() const;
  virtual int ClientHeight() const;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  // Raised each time the window has been made (its state pushed into it):
  // a component that works on the window itself, subclassing it for
  // instance, joins it when the window does not exist yet.
  TNotice OnWindowCreated;

  // Every message of the window comes here first.
  virtual void WndProc(TMessage& message);
  // The window's own handling of a message (the predefined control's, or
  // the system's default).
  void DefaultHandler(TMessage& message);

  virtual void KeyDown(std::uint16_t& key, TShiftState shift);
  virtual void KeyUp(std::uint16_t& key, TShiftState shift);
  virtual void KeyPress(char& key);
  // The focus arrives in or leaves the control.
  virtual void DoEnter();
  virtual void DoExit();
  // Notifications the parent reflects back to the control that sent them.
  virtual void CNCommand(std::uint32_t) {}
  virtual platform::Lresult CNNotify(platform::Lparam) { return 0; }
  // Colours of a predefined control; true when the control chose them.
  virtual bool CNCtlColor(platform::Hdc, platform::Lresult*) { return false; }
  // Keys the control keeps for itself instead of dialog navigation.
  virtual bool WantsTab() const { return false; }
  virtual bool WantsReturn() const { return false; }
  // One choice of a group (a radio button): the arrow keys move the focus
  // between the group's choices and choose the one they reach.
  virtual bool IsGroupChoice() const { return false; }
  // The left mouse button went down on this control's own window and has
  // not come up yet.
  bool LeftButtonDown() const { return leftButtonDown_; }

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // The window exists: push the state that CreateParams did not carry.
  virtual void InitializeWnd() {}
  // Drawing of a window of the library's own class.
  virtual void PaintWindow(platform::Hdc) {}
  void FontChanged() override;
  void CursorChanged() override;
  void CreateChildHandles();

 private:
  void PaintHandler();
  bool RouteMouse(TMessage& message);
  TControl* GraphicControlAt(int x, int y);

  platform::Hwnd handle_ = 0;
  // The hook on a predefined control's window.
  TWindowSubclass subclass_;
  std::vector<TControl*> controls_;
  int tabOrder_ = -1;
  bool tabStop_ = false;
  TControl* mouseControl_ = nullptr;  // a drawn child holding the mouse
  bool leftButtonDown_ = false;
};

// The window's object, or null.
TWinControl* FindControl(platform::Hwnd window);

}  // namespace toolkit
