#include "toolkit/controls/WinControl.h"

#include <algorithm>
#include <vector>

#include "platform/UniqueHandle.h"
#include "platform/commctrl.h"
#include "platform/desktop.h"
#include "platform/gdi.h"
#include "toolkit/controls/FormLink.h"
#include "toolkit/controls/MenuCommands.h"
#include "toolkit/controls/WindowBinding.h"
#include "toolkit/controls/WindowExceptions.h"
#include "toolkit/core/Exceptions.h"

namespace toolkit {

namespace {

// The window the pointer moved over last.
platform::Hwnd pointerWindow = 0;

int CursorShape(TCursor cursor) { return cursor == TCursor::crHandPoint ? platform::IdcHand : platform::IdcArrow; }

platform::Lresult Deliver(TWinControl* control, std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam) {
  TMessage message{msg, wParam, lParam, 0};
  // No exception may cross the system's frames.
  try {
    control->WndProc(message);
  } catch (...) {
    HandleWindowException();
  }
  return message.Result;
}

// The procedure of the library's own window classes.
platform::Lresult MURALTO_WINAPI StdWndProc(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                            platform::Lparam lParam) {
  auto* control = dynamic_cast<TWinControl*>(ClaimWindow(window));
  if (!control) return platform::DefWindowProcA(window, msg, wParam, lParam);
  // Its first messages arrive before CreateWindowExA returns the handle.
  if (!control->HandleAllocated()) control->AttachCreatingWindow(window);
  return Deliver(control, msg, wParam, lParam);
}

}  // namespace

TWinControl* FindControl(platform::Hwnd window) { return WindowObjectAs<TWinControl>(window); }

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  for (TControl* c : std::vector<TControl*>(controls_)) c->SetParent(nullptr);
  DestroyHandle();
}

platform::Hwnd TWinControl::Handle() {
  if (!handle_) {
    if (Parent()) Parent()->HandleNeeded();
    if (!handle_) CreateWnd();
  }
  return handle_;
}

void TWinControl::DestroyHandle() {
  if (handle_) DestroyWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = text_;
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (Parent()) {
    params.Style |= platform::WsChild | platform::WsClipSiblings;
    params.WndParent = Parent()->Handle();
  }
  if (Visible()) params.Style |= platform::WsVisible;
  if (!Enabled()) params.Style |= platform::WsDisabled;
  if (tabStop_) params.Style |= platform::WsTabStop;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if (params.OwnClass) {
    platform::WndClass wc;
    wc.style = params.ClassStyle;
    wc.proc = StdWndProc;
    wc.background = params.ClassBackground;
    wc.icon = params.ClassIcon;
    wc.className = params.WinClassName.c_str();
    platform::RegisterClassA(&wc);
  }
  platform::Hwnd window = 0;
  {
    TWindowCreation creation(params.OwnClass ? this : nullptr);
    window =
        platform::CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                                  params.X, params.Y, params.Width, params.Height, params.WndParent, params.Menu);
  }
  if (!window) throw EOutOfResources("Error creating window");
  handle_ = window;
  BindWindow(window, this);
  if (!params.OwnClass) {
    // A predefined control's window: its own procedure stays under the hook.
    subclass_.Install(window, [this](std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam) {
      return Deliver(this, msg, wParam, lParam);
    });
  }
  platform::SendMessageA(window, platform::WmSetFont, Font().Handle(), 0);
  InitializeWnd();
  CreateChildHandles();
  OnWindowCreated.Fire(this);
}

void TWinControl::CreateChildHandles() {
  for (TControl* c : std::vector<TControl*>(controls_)) {
    if (c->IsWindowed()) static_cast<TWinControl*>(c)->HandleNeeded();
  }
}

void TWinControl::DestroyWnd() {
  for (TControl* c : controls_) {
    if (c->IsWindowed()) static_cast<TWinControl*>(c)->DestroyHandle();
  }
  platform::Hwnd window = handle_;
  // Keep what the user typed, then stop dispatch, unhook, destroy.
  text_ = Text();
  UnbindWindow(window);
  subclass_.Remove();
  handle_ = 0;
  if (pointerWindow == window) pointerWindow = 0;
  platform::DestroyWindow(window);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  if (handle_ && control->IsWindowed()) static_cast<TWinControl*>(control)->HandleNeeded();
}

void TWinControl::RemoveControl(TControl* control) {
  // A drawn control that goes while the button is held on it takes the
  // press with it: the window lets go of the mouse it captured for it.
  if (mouseControl_ == control) {
    mouseControl_ = nullptr;
    if (handle_ && platform::GetCapture() == handle_) platform::ReleaseCapture();
  }
  if (control->IsWindowed()) static_cast<TWinControl*>(control)->DestroyHandle();
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

void TWinControl::SetTabStop(bool on) {
  tabStop_ = on;
  if (handle_) {
    auto style = platform::GetWindowLongA(handle_, platform::GwlStyle);
    style = on ? (style | platform::WsTabStop) : (style & ~static_cast<std::intptr_t>(platform::WsTabStop));
    platform::SetWindowLongA(handle_, platform::GwlStyle, style);
  }
}

std::vector<TWinControl*> TWinControl::TabList() {
  std::vector<TWinControl*> direct;
  for (TControl* c : controls_) {
    if (c->IsWindowed()) direct.push_back(static_cast<TWinControl*>(c));
  }
  std::stable_sort(direct.begin(), direct.end(), [](TWinControl* a, TWinControl* b) {
    return static_cast<unsigned>(a->TabOrder()) < static_cast<unsigned>(b->TabOrder());
  });
  std::vector<TWinControl*> result;
  for (TWinControl* c : direct) {
    if (c->TabStop()) result.push_back(c);
    for (TWinControl* inner : c->TabList()) result.push_back(inner);
  }
  return result;
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent()) {
    if (!c->Visible() || !c->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && platform::GetFocus() == handle_; }

void TWinControl::SetFocus() { platform::SetFocus(Handle()); }

std::string TWinControl::Text() const {
  if (!handle_) return text_;
  int length = platform::GetWindowTextLengthA(handle_);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  int copied = platform::GetWindowTextA(handle_, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<std::size_t>(std::max(copied, 0)));
}

void TWinControl::SetText(const std::string& text) {
  text_ = text;
  if (handle_ && Text() != text) platform::SetWindowTextA(handle_, text.c_str());
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  bool changed = left != Left() || top != Top() || width != Width() || height != Height();
  TControl::SetBounds(left, top, width, height);
  if (changed && handle_) platform::MoveWindow(handle_, Left(), Top(), Width(), Height(), true);
}

void TWinControl::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (handle_ && Parent()) platform::ShowWindow(handle_, visible ? platform::SwShowNoActivate : platform::SwHide);
}

void TWinControl::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (handle_) platform::EnableWindow(handle_, enabled);
}

void TWinControl::FontChanged() {
  if (handle_) platform::SendMessageA(handle_, platform::WmSetFont, Font().Handle(), 1);
  for (TControl* c : controls_) c->ParentFontChanged(Font());
}

// The system asks for the pointer's shape before each move; a control that
// changes its cursor while the pointer is over it shows the new one at once.
void TWinControl::CursorChanged() {
  if (handle_ && handle_ == pointerWindow) platform::SetCursorShape(CursorShape(Cursor()));
}

void TWinControl::ParentFontChanged(const TFont& font) { TControl::ParentFontChanged(font); }

void TWinControl::Invalidate() {
  if (handle_) platform::InvalidateRect(handle_, nullptr, true);
}

int TWinControl::ClientWidth() const {
  platform::Rect r;
  if (handle_ && platform::GetClientRect(handle_, &r)) return r.right - r.left;
  return Width();
}

int TWinControl::ClientHeight() const {
  platform::Rect r;
  if (handle_ && platform::GetClientRect(handle_, &r)) return r.bottom - r.top;
  return Height();
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (!handle_) return;
  m.Result = subclass_.Installed() ? subclass_.CallNext(m.Msg, m.WParam, m.LParam)
                                   : platform::DefWindowProcA(handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() { Fire(OnEnter, this); }
void TWinControl::DoExit() { Fire(OnExit, this); }

TControl* TWinControl::GraphicControlAt(int x, int y) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (c->IsWindowed() || !c->Visible()) continue;
    platform::Rect r = c->BoundsRect();
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return c;
  }
  return nullptr;
}

bool TWinControl::RouteMouse(TMessage& m) {
  int x = platform::XFromLparam(m.LParam), y = platform::YFromLparam(m.LParam);
  TShiftState shift = MouseShiftState(m.WParam);
  bool down = m.Msg == platform::WmLButtonDown || m.Msg == platform::WmRButtonDown || m.Msg == platform::WmMButtonDown;
  bool up = m.Msg == platform::WmLButtonUp || m.Msg == platform::WmRButtonUp || m.Msg == platform::WmMButtonUp;
  TMouseButton button = TMouseButton::mbLeft;
  if (m.Msg == platform::WmRButtonDown || m.Msg == platform::WmRButtonUp) button = TMouseButton::mbRight;
  if (m.Msg == platform::WmMButtonDown || m.Msg == platform::WmMButtonUp) button = TMouseButton::mbMiddle;
  TControl* target = mouseControl_ ? mouseControl_ : GraphicControlAt(x, y);
  if (target && !target->Enabled()) target = nullptr;
  if (!target) {
    if (down) MouseDown(button, shift, x, y);
    if (up) MouseUp(button, shift, x, y);
    if (m.Msg == platform::WmMouseMove) MouseMove(shift, x, y);
    return false;
  }
  int cx = x - target->Left(), cy = y - target->Top();
  if (down) {
    mouseControl_ = target;
    platform::SetCapture(handle_);
    target->MouseDown(button, shift, cx, cy);
  } else if (up) {
    mouseControl_ = nullptr;
    if (handle_ && platform::GetCapture() == handle_) platform::ReleaseCapture();
    target->MouseUp(button, shift, cx, cy);
  } else {
    target->MouseMove(shift, cx, cy);
  }
  return true;
}

void TWinControl::PaintHandler() {
  platform::PaintStruct ps;
  // A painting that throws still ends, or the window would be left without
  // its caret and the update region never validated.
  const platform::Hwnd window = handle_;
  const platform::UniqueHandle painting(platform::BeginPaint(window, &ps),
                                        [window, &ps](platform::Hdc) { platform::EndPaint(window, &ps); });
  const platform::Hdc dc = painting.Get();
  PaintWindow(dc);
  for (TControl* c : controls_) {
    if (!c->IsWindowed() && c->Visible()) c->Paint(dc);
  }
}

void TWinControl::WndProc(TMessage& m) {
  using namespace platform;
  switch (m.Msg) {
    case WmCommand:
      if (m.LParam) {
        if (TWinControl* child = FindControl(static_cast<Hwnd>(m.LParam))) {
          child->CNCommand(HiWord(m.WParam));
          return;
        }
      } else if (HiWord(m.WParam) == 0 && DispatchMenuCommand(LoWord(m.WParam))) {
        return;
      }
      break;
    case WmNotify: {
      NotifyHeader header = ReadNotifyHeader(m.LParam);
      if (TWinControl* child = FindControl(header.from)) {
        m.Result = child->CNNotify(m.LParam);
        return;
      }
      break;
    }
    case WmCtlColorStatic:
    case WmCtlColorBtn:
    case WmCtlColorEdit:
      if (TWinControl* child = FindControl(static_cast<Hwnd>(m.LParam))) {
        if (child->CNCtlColor(static_cast<Hdc>(m.WParam), &m.Result)) return;
      }
      if (m.Msg != WmCtlColorEdit) {
        // Static texts and buttons sit on the form's face colour.
        SetBkColor(static_cast<Hdc>(m.WParam), GetSysColor(ColorBtnFace));
        m.Result = static_cast<Lresult>(GetSysColorBrush(ColorBtnFace));
        return;
      }
      break;
    case WmKeyDown: {
      auto key = static_cast<std::uint16_t>(m.WParam);
      // A form with key preview sees its controls' key presses first.
      TControl* top = this;
      while (top->Parent()) top = top->Parent();
      if (TFormLink* form = FormOf(this); form && top != this && form->KeyPreview()) {
        static_cast<TWinControl*>(top)->KeyDown(key, KeyboardShiftState());
        if (key == 0) return;
      }
      KeyDown(key, KeyboardShiftState());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WmKeyUp: {
      auto key = static_cast<std::uint16_t>(m.WParam);
      KeyUp(key, KeyboardShiftState());
      if (key == 0) return;
      m.WParam = key;
      break;
    }
    case WmChar: {
      char key = static_cast<char>(m.WParam);
      KeyPress(key);
      if (key == 0) return;
      m.WParam = static_cast<unsigned char>(key);
      break;
    }
    case WmSetFocus: {
      DefaultHandler(m);
      if (TFormLink* form = FormOf(this)) form->FocusArrived(this);
      DoEnter();
      return;
    }
    case WmKillFocus:
      DefaultHandler(m);
      DoExit();
      return;
    case WmLButtonDown:
    case WmLButtonDblClk:
    case WmLButtonUp:
    case WmRButtonDown:
    case WmRButtonUp:
    case WmMButtonDown:
    case WmMButtonUp:
    case WmMouseMove:
      // Set before the window's own handling, which may move the focus here.
      if (m.Msg == WmLButtonDown || m.Msg == WmLButtonDblClk) leftButtonDown_ = true;
      if (m.Msg == WmLButtonUp) leftButtonDown_ = false;
      if (m.Msg == WmMouseMove) pointerWindow = handle_;
      if (m.Msg != WmLButtonDblClk && RouteMouse(m)) return;
      break;
    case WmCaptureChanged:
      leftButtonDown_ = false;
      if (mouseControl_ && static_cast<Hwnd>(m.LParam) != handle_) {
        TControl* holder = mouseControl_;
        mouseControl_ = nullptr;
        holder->MouseCaptureLost();
      }
      break;
    case WmSetCursor:
      if (Cursor() != TCursor::crDefault) {
        SetCursorShape(CursorShape(Cursor()));
        m.Result = 1;
        return;
      }
      break;
    case WmPaint:
      if (!subclass_.Installed()) {
        PaintHandler();
        return;
      }
      break;
    default: break;
  }
  DefaultHandler(m);
}

}  // namespace toolkit
