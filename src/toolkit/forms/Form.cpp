#include "toolkit/forms/Form.h"

#include <algorithm>
#include <vector>

#include "platform/desktop.h"
#include "toolkit/controls/Button.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Menus.h"

namespace toolkit {

namespace {
const char* const kDefaultClassName = "TForm";
}  // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  // The flag alone: a form shows and hides its window itself (Show, Hide).
  TControl::SetVisible(false);  // NOLINT(bugprone-parent-virtual-call)
}

TForm::~TForm() {
  // Controls refer to the form's window; they go before it.
  DestroyComponents();
  DestroyHandle();
}

std::uint32_t TForm::WindowStyle() const {
  std::uint32_t style = platform::WsClipChildren | platform::WsClipSiblings;
  if (borderStyle_ == TFormBorderStyle::bsDialog) {
    style |= platform::WsPopup | platform::WsCaption | platform::WsDlgFrame;
  } else {
    style |= platform::WsCaption | platform::WsBorder;
  }
  if (borderIcons_ & biSystemMenu) {
    style |= platform::WsSysMenu;
    if (borderStyle_ != TFormBorderStyle::bsDialog) {
      if (borderIcons_ & biMinimize) style |= platform::WsMinimizeBox;
      if (borderIcons_ & biMaximize) style |= platform::WsMaximizeBox;
    }
  }
  return style;
}

std::uint32_t TForm::WindowExStyle() const {
  std::uint32_t ex = platform::WsExControlParent;
  if (borderStyle_ == TFormBorderStyle::bsDialog) ex |= platform::WsExDlgModalFrame | platform::WsExWindowEdge;
  return ex;
}

void TForm::CentreOnScreen() {
  int x = (platform::GetSystemMetrics(platform::SmCxScreen) - Width()) / 2;
  int y = (platform::GetSystemMetrics(platform::SmCyScreen) - Height()) / 2;
  SetBounds(x < 0 ? 0 : x, y < 0 ? 0 : y, Width(), Height());
}

void TForm::CreateParams(TCreateParams& params) {
  // A form that its first show centres is made where that show puts it, so
  // that the show moves it only when its size or the screen changed since:
  // under Wine, moving a top-level window costs some thirty trips to the
  // server.
  if (!placed_ && position_ == TPosition::poScreenCenter) CentreOnScreen();
  TWinControl::CreateParams(params);
  params.WinClassName = className_;
  params.OwnClass = true;
  params.ClassStyle = platform::CsDblClks;
  params.Style = WindowStyle();
  params.ExStyle = WindowExStyle();
  if (Visible()) params.Style |= platform::WsVisible;
  // A menu bar given afterwards makes the system lay the frame out again:
  // some fifteen more trips to the server under Wine.
  if (menu_ && !params.WndParent) params.Menu = menu_->Handle();
  // A form with a class of its own (named by its layout) has the class carry
  // its icon: the window shows it from its creation, where WM_SETICON for
  // both sizes costs some sixty trips to the server under Wine. The shared
  // default class carries none, or a form without an icon would show another's.
  if (className_ != kDefaultClassName) params.ClassIcon = Icon();
}

void TForm::InitializeWnd() {
  if (menu_ && platform::GetMenu(Handle()) != menu_->Handle()) platform::SetMenu(Handle(), menu_->Handle());
  // A class registered before with another icon (a window made again after
  // SetIcon) keeps that one: the window then gets its own.
  if (const platform::Hicon icon = Icon(); icon && platform::GetClassIcon(Handle()) != icon) SendIcon(icon);
  UpdateOuterSize();
}

void TForm::UpdateOuterSize() {
  platform::Rect r{0, 0, clientWidth_, clientHeight_};
  platform::AdjustWindowRectEx(&r, WindowStyle(), menu_ != nullptr, WindowExStyle());
  SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TForm::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  UpdateOuterSize();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  UpdateOuterSize();
}

void TForm::SetBorderIcons(unsigned icons) { borderIcons_ = icons; }

platform::Hicon TForm::Icon() const {
  if (!iconResource_.empty()) {
    icon_ = platform::LoadIconA(iconResource_.c_str());
    iconResource_.clear();
  }
  return icon_;
}

void TForm::SetIconResource(const std::string& name) {
  if (HandleAllocated()) return SetIcon(platform::LoadIconA(name.c_str()));
  icon_ = 0;
  iconResource_ = name;
}

void TForm::SetIcon(platform::Hicon icon) {
  iconResource_.clear();
  icon_ = icon;
  if (HandleAllocated()) SendIcon(icon);
}

void TForm::SendIcon(platform::Hicon icon) {
  platform::SendMessageA(Handle(), platform::WmSetIcon, 1, static_cast<platform::Lparam>(icon));
  platform::SendMessageA(Handle(), platform::WmSetIcon, 0, static_cast<platform::Lparam>(icon));
}

void TForm::SetMenu(TMainMenu* menu) {
  if (menu_ && menu_ != menu) {
    menu_->SetWindow(nullptr);
    if (HandleAllocated()) platform::SetMenu(Handle(), 0);
  }
  menu_ = menu;
  if (menu_) {
    menu_->SetWindow(this);
    menu_->FreeNotification(this);
  }
  UpdateOuterSize();
  MenuChanged();
}

void TForm::MenuChanged() {
  if (!HandleAllocated()) return;
  platform::SetMenu(Handle(), menu_ ? menu_->Handle() : 0);
  platform::DrawMenuBar(Handle());
}

void TForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (!HandleAllocated() || !Visible()) return;
  platform::ShowWindow(Handle(), state == TWindowState::wsMinimized ? platform::SwMinimize : platform::SwRestore);
}

void TForm::Show() {
  HandleNeeded();
  if (!placed_) {
    placed_ = true;
    if (position_ == TPosition::poScreenCenter) CentreOnScreen();
  }
  bool wasVisible = Visible();
  TControl::SetVisible(true);  // NOLINT(bugprone-parent-virtual-call): the window is shown below
  platform::ShowWindow(Handle(),
                       windowState_ == TWindowState::wsMinimized ? platform::SwShowMinimized : platform::SwShowNormal);
  platform::SetForegroundWindow(Handle());
  RestoreFocus();
  if (!wasVisible) Fire(OnShow, this);
}

void TForm::Hide() {
  bool wasVisible = Visible();
  TControl::SetVisible(false);  // NOLINT(bugprone-parent-virtual-call): the window is hidden below
  if (HandleAllocated()) platform::ShowWindow(Handle(), platform::SwHide);
  if (wasVisible) Fire(OnHide, this);
}

void TForm::FocusArrived(TWinControl* control) {
  focusOnForm_ = control == this;
  if (!focusOnForm_) activeControl_ = control;
}

// Where the focus was last, else the first control that takes it, else the
// form's own window.
void TForm::RestoreFocus() {
  if (focusOnForm_) {
    platform::SetFocus(Handle());
    return;
  }
  if (activeControl_ && activeControl_->CanFocus()) {
    activeControl_->SetFocus();
    return;
  }
  for (TWinControl* c : TabList()) {
    if (c->CanFocus()) {
      c->SetFocus();
      return;
    }
  }
  platform::SetFocus(Handle());
}

void TForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> list;
  for (TWinControl* c : TabList()) {
    if (c->CanFocus() || c == current) list.push_back(c);
  }
  if (list.empty()) return;
  std::size_t n = list.size(), at = n;
  for (std::size_t i = 0; i < n; ++i) {
    if (list[i] == current) at = i;
  }
  std::size_t next = at == n ? 0 : (forward ? (at + 1) % n : (at + n - 1) % n);
  if (list[next] != current) {
    activeControl_ = list[next];
    list[next]->SetFocus();
  }
}

void TForm::SelectNextChoice(TWinControl* current, bool forward) {
  TWinControl* group = current->Parent();
  if (!group) return;
  std::vector<TWinControl*> choices;
  for (int i = 0; i < group->ControlCount(); ++i) {
    auto* c = dynamic_cast<TWinControl*>(group->Controls(i));
    if (c && c->IsGroupChoice() && (c == current || c->CanFocus())) choices.push_back(c);
  }
  std::stable_sort(choices.begin(), choices.end(), [](TWinControl* a, TWinControl* b) {
    return static_cast<unsigned>(a->TabOrder()) < static_cast<unsigned>(b->TabOrder());
  });
  auto at = std::find(choices.begin(), choices.end(), current);
  if (at == choices.end()) return;
  std::size_t n = choices.size(), i = static_cast<std::size_t>(at - choices.begin());
  TWinControl* next = choices[forward ? (i + 1) % n : (i + n - 1) % n];
  activeControl_ = next;
  next->SetFocus();
  next->Click();
}

void TForm::ShowFocusCues() {
  if (HandleAllocated()) {
    platform::SendMessageA(Handle(), platform::WmChangeUiState,
                           platform::MakeWparam(platform::UisClear, platform::UisfHideFocus), 0);
  }
}

TButton* TForm::FindButton(bool wantDefault, const TWinControl* within) const {
  for (int i = 0; i < within->ControlCount(); ++i) {
    TControl* c = within->Controls(i);
    if (auto* button = dynamic_cast<TButton*>(c)) {
      if (wantDefault ? button->Default() : button->Cancel()) return button;
    }
    if (auto* container = dynamic_cast<TWinControl*>(c)) {
      if (TButton* found = FindButton(wantDefault, container)) return found;
    }
  }
  return nullptr;
}

TButton* TForm::DefaultButton() const { return FindButton(true, this); }
TButton* TForm::CancelButton() const { return FindButton(false, this); }

void TForm::DoCreate() {
  try {
    Fire(OnCreate, this);
  } catch (...) {
    HandleCurrentException();
  }
}

void TForm::Close() {
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  TApplication* app = Application();
  if (app && app->MainForm() == this) {
    app->Terminate();
    return;
  }
  if (action == TCloseAction::caMinimize) {
    SetWindowState(TWindowState::wsMinimized);
  } else {
    Hide();
  }
}

bool TForm::CloseModal() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) {
    modalResult_ = mrNone;
    return false;
  }
  return true;
}

int TForm::ShowModal() {
  if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  TApplication* app = Application();
  const platform::Hwnd previous = platform::GetForegroundWindow();
  // While it is open the form belongs to the program's window that waits for
  // it, as a modal dialog does: it stays above that window, takes no taskbar
  // button of its own, and the program's button brings it forward.
  struct LentOwner {
    platform::Hwnd window;
    std::intptr_t previous;
    ~LentOwner() {
      if (platform::IsWindow(window)) platform::SetWindowLongA(window, platform::GwlHwndParent, previous);
    }
  } lent{Handle(), platform::GetWindowLongA(Handle(), platform::GwlHwndParent)};
  if (app) {
    TForm* main = app->MainForm();
    bool mainShown = main && main != this && main->HandleAllocated() && platform::IsWindowVisible(main->Handle());
    platform::Hwnd owner = mainShown ? main->Handle() : app->Handle();
    platform::SetWindowLongA(lent.window, platform::GwlHwndParent, static_cast<std::intptr_t>(owner));
  }
  // The other windows of the program wait while this one is open.
  std::vector<platform::Hwnd> disabled;
  if (app) {
    for (int i = 0; i < app->ComponentCount(); ++i) {
      auto* form = dynamic_cast<TForm*>(app->Components(i));
      if (form && form != this && form->HandleAllocated() && platform::IsWindowEnabled(form->Handle())) {
        platform::EnableWindow(form->Handle(), false);
        disabled.push_back(form->Handle());
      }
    }
  }
  // The waiting windows come back, and the one that was active takes the
  // activation back, before this one hides: a window hidden while the others
  // are still disabled hands the activation to another program's window,
  // and the keyboard (F10 and Alt for the menu bar among it) no longer
  // reaches this program.
  struct Reenable {
    std::vector<platform::Hwnd>& windows;
    platform::Hwnd previous;
    void operator()() {
      for (platform::Hwnd w : windows) {
        if (platform::IsWindow(w)) platform::EnableWindow(w, true);
      }
      bool waited = std::find(windows.begin(), windows.end(), previous) != windows.end();
      windows.clear();
      if (waited && platform::IsWindowVisible(previous)) platform::SetForegroundWindow(previous);
    }
    ~Reenable() { (*this)(); }
  } reenable{disabled, previous};
  modalResult_ = mrNone;
  modal_ = true;
  struct Open {
    TApplication* app;
    TForm* form;
    ~Open() {
      if (app) app->ModalClosed(form);
    }
  } open{app, this};
  if (app) app->ModalOpened(this);
  try {
    Show();
    while (true) {
      if (app) {
        app->HandleMessage();
        if (app->Terminated() && modalResult_ == mrNone) modalResult_ = mrCancel;
      } else if (modalResult_ == mrNone) {
        modalResult_ = mrCancel;  // nothing could ever end the loop
      }
      if (modalResult_ != mrNone && (CloseModal() || (app && app->Terminated()))) break;
    }
  } catch (...) {
    modal_ = false;
    reenable();
    Hide();
    throw;
  }
  modal_ = false;
  int result = modalResult_ == mrNone ? mrCancel : modalResult_;
  reenable();
  Hide();
  return result;
}

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == menu_) {
    // The window must not keep a menu that is about to be destroyed.
    if (HandleAllocated()) platform::SetMenu(Handle(), 0);
    menu_ = nullptr;
  }
  if (component == activeControl_) activeControl_ = nullptr;
}

void TForm::WndProc(TMessage& m) {
  switch (m.Msg) {
    case platform::WmClose: Close(); return;
    case platform::WmSysCommand:
      if ((m.WParam & 0xFFF0) == platform::ScMinimize && Application() && Application()->MainForm() == this) {
        Application()->Minimize();
        return;
      }
      break;
    case platform::WmActivate:
      // The system's own handling would give the focus to the form's window,
      // where Tab does nothing. A minimised window takes none.
      if (platform::LoWord(m.WParam) != platform::WaInactive && platform::HiWord(m.WParam) == 0) {
        RestoreFocus();
        return;
      }
      break;
    case platform::WmSize:
      if (m.WParam == platform::SizeMinimized) {
        windowState_ = TWindowState::wsMinimized;
      } else if (m.WParam == platform::SizeRestored) {
        windowState_ = TWindowState::wsNormal;
      }
      break;
    default: break;
  }
  TWinControl::WndProc(m);
}

}  // namespace toolkit
