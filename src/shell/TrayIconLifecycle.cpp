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

bool HoldsOtherTrayIcon(const vcl::TComponent* holder, const TStCustomTrayIcon* self) {
  for (int i = 0; i < holder->ComponentCount(); ++i) {
    auto* icon = dynamic_cast<const TStCustomTrayIcon*>(holder->Components(i));
    if (icon && icon != self) return true;
  }
  return false;
}

vcl::TMenuItem* BuiltInItem(vcl::TPopupMenu* menu, const char* caption, vcl::TNotifyEvent click) {
  auto* item = vcl::TComponent::Create<vcl::TMenuItem>(menu);
  item->SetCaption(caption);
  item->OnClick = std::move(click);
  menu->Items()->Add(item);
  return item;
}

}  // namespace

void TStCustomTrayIcon::RefuseSecondIcon(const TStCustomTrayIcon* self) {
  // The notification area knows one icon per program: a second one would
  // fight the first over the same identifier and the same form hook.
  vcl::TApplication* app = vcl::Application();
  if (!app) return;
  for (int i = 0; i < app->ComponentCount(); ++i) {
    auto* form = dynamic_cast<vcl::TForm*>(app->Components(i));
    if (form && HoldsOtherTrayIcon(form, self)) throw ETrayIconError(traymsg::SecondIcon);
  }
  if (self->Owner() && HoldsOtherTrayIcon(self->Owner(), self)) throw ETrayIconError(traymsg::SecondIcon);
}

TStCustomTrayIcon::TStCustomTrayIcon(vcl::TComponent* owner) : vcl::TComponent(owner) {
  // Stored properties arrive before Loaded; until then none reaches the shell.
  SetLoading(true);
  if (Designing()) return;
  RefuseSecondIcon(this);
  builtInMenu_ = vcl::TComponent::Create<vcl::TPopupMenu>(this);
  BuiltInItem(builtInMenu_, "&Close", [this](vcl::TObject* sender) { DoCloseClick(sender); });
  BuiltInItem(builtInMenu_, "&Restore", [this](vcl::TObject* sender) { DoRestoreClick(sender); });
  popupMenu_ = builtInMenu_;
  taskbarCreated_ = platform::RegisterWindowMessageA("TaskbarCreated");
  notifyWindow_ = CreateTrayNotifyWindow(this, &TStCustomTrayIcon::NotifyWindowProc);
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
  if (animationTimer_) animationTimer_->SetEnabled(false);
  DestroyTrayNotifyWindow(notifyWindow_);
  notifyWindow_ = 0;
  DestroyComponents();
}

void TStCustomTrayIcon::Loaded() {
  vcl::TComponent::Loaded();
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

void TStCustomTrayIcon::Notification(vcl::TComponent* component, vcl::TOperation operation) {
  vcl::TComponent::Notification(component, operation);
  if (operation != vcl::TOperation::opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  if (component == images_) images_ = nullptr;
  if (component == builtInMenu_) builtInMenu_ = nullptr;
  if (component == animationTimer_) animationTimer_ = nullptr;
}

}  // namespace muralto
