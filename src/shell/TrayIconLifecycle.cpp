// Construction, loading, references that go away, and destruction.
#include "shell/TrayIcon.h"
#include "shell/TrayIconWindows.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/forms/Timer.h"
#include "toolkit/graphics/ImageList.h"

namespace muralto {

namespace {

bool HoldsOtherTrayIcon(const toolkit::TComponent* holder, const TStCustomTrayIcon* self) {
  for (int i = 0; i < holder->ComponentCount(); ++i) {
    auto* icon = dynamic_cast<const TStCustomTrayIcon*>(holder->Components(i));
    if (icon && icon != self) return true;
  }
  return false;
}

toolkit::TMenuItem* BuiltInItem(toolkit::TPopupMenu* menu, const char* caption, toolkit::TNotifyEvent click) {
  auto* item = toolkit::TComponent::Create<toolkit::TMenuItem>(menu);
  item->SetCaption(caption);
  item->OnClick = std::move(click);
  menu->Items()->Add(item);
  return item;
}

}  // namespace

void TStCustomTrayIcon::RefuseSecondIcon(const TStCustomTrayIcon* self) {
  // The notification area knows one icon per program: a second one would
  // fight the first over the same identifier and the same form hook.
  toolkit::TApplication* app = toolkit::Application();
  if (!app) return;
  for (int i = 0; i < app->ComponentCount(); ++i) {
    auto* form = dynamic_cast<toolkit::TForm*>(app->Components(i));
    if (form && HoldsOtherTrayIcon(form, self)) throw ETrayIconError(traymsg::SecondIcon);
  }
  if (self->Owner() && HoldsOtherTrayIcon(self->Owner(), self)) throw ETrayIconError(traymsg::SecondIcon);
}

TStCustomTrayIcon::TStCustomTrayIcon(toolkit::TComponent* owner) : toolkit::TComponent(owner) {
  // Stored properties arrive before Loaded; until then none reaches the shell.
  SetLoading(true);
  if (Designing()) return;
  RefuseSecondIcon(this);
  builtInMenu_ = toolkit::TComponent::Create<toolkit::TPopupMenu>(this);
  BuiltInItem(builtInMenu_, "&Close", [this](toolkit::TObject* sender) { DoCloseClick(sender); });
  BuiltInItem(builtInMenu_, "&Restore", [this](toolkit::TObject* sender) { DoRestoreClick(sender); });
  popupMenu_ = builtInMenu_;
  taskbarCreated_ = platform::RegisterWindowMessageA("TaskbarCreated");
  // A hidden top-level window of its own would cost the start some sixty
  // trips to Wine's server; the application's window, which every program of
  // the library has, hears the taskbar's announcement instead.
  const platform::Hwnd appWindow = ApplicationWindow();
  notifyWindow_ = CreateTrayNotifyWindow(this, &TStCustomTrayIcon::NotifyWindowProc, appWindow != 0);
  if (appWindow) {
    taskbarHook_.Install(appWindow, [this](std::uint32_t msg, platform::Wparam wParam, platform::Lparam lParam) {
      if (taskbarCreated_ != 0 && msg == taskbarCreated_) TaskbarAnnounced();
      return taskbarHook_.CallNext(msg, wParam, lParam);
    });
  }
}

TStCustomTrayIcon::~TStCustomTrayIcon() {
  if (!Designing()) {
    try {
      DeleteFromTray();
    } catch (...) {
      // The delete's result is not looked at; nothing may leave a destructor.
    }
  }
  // The form's window may outlive this object in this library (owned
  // components go before their owner's window): its messages must not reach
  // a procedure whose object is gone.
  UnhookForm();
  taskbarHook_.Remove();
  if (animationTimer_) animationTimer_->SetEnabled(false);
  DestroyTrayNotifyWindow(notifyWindow_);
  notifyWindow_ = 0;
  DestroyComponents();
}

void TStCustomTrayIcon::Loaded() {
  toolkit::TComponent::Loaded();
  if (Designing()) return;
  // Loading is part of the program's start: a shell that refuses the icon
  // must not end the program before its set-up has run.
  if (active_) AddWhenTaskbarReady();
  if (icon_) {
    SetIcon(icon_);
  } else if (images_) {
    SetImages(images_);
  }
}

void TStCustomTrayIcon::Notification(toolkit::TComponent* component, toolkit::TOperation operation) {
  toolkit::TComponent::Notification(component, operation);
  if (operation != toolkit::TOperation::opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (component == images_) images_ = nullptr;
  if (component == builtInMenu_) builtInMenu_ = nullptr;
  if (component == animationTimer_) animationTimer_ = nullptr;
}

}  // namespace muralto
