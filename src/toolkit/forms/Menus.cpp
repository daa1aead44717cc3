#include <optional>

#include "toolkit/forms/Menus.h"

#include <algorithm>

#include "toolkit/controls/MenuCommands.h"
#include "toolkit/forms/Application.h"
#include "toolkit/forms/Form.h"

namespace toolkit {

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(AllocateMenuCommand([this] { Click(); })) {}

TMenuItem::~TMenuItem() {
  ReleaseMenuCommand(command_);
  for (TMenuItem* item : items_) item->parent_ = nullptr;
  if (parent_) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  TMenu* menu = Menu();
  if (menu && menu->HandleAllocated()) {
    platform::CheckMenuItem(menu->Handle(), command_,
                            platform::MfByCommand | (checked ? platform::MfChecked : platform::MfUnchecked));
  }
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed();
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  item->parent_ = this;
  items_.push_back(item);
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed();
}

void TMenuItem::Click() {
  if (enabled_) Fire(OnClick, this);
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

void TMenuItem::Changed() {
  if (TMenu* menu = Menu()) menu->Rebuild();
}

platform::Hmenu TMenuItem::BuildHandle(bool popup) const {
  platform::Hmenu menu = popup ? platform::CreatePopupMenu() : platform::CreateMenu();
  for (TMenuItem* item : items_) {
    std::uint32_t flags = item->checked_ ? platform::MfChecked : 0;
    if (!item->enabled_) flags |= platform::MfGrayed;
    if (item->IsSeparator()) {
      platform::AppendMenuA(menu, platform::MfSeparator, 0, nullptr);
    } else if (!item->items_.empty()) {
      platform::AppendMenuA(menu, flags | platform::MfPopup, item->BuildHandle(true), item->caption_.c_str());
    } else {
      platform::AppendMenuA(menu, flags, item->command_, item->caption_.c_str());
    }
  }
  return menu;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(TComponent::Create<TMenuItem>(this)) {
  items_->SetMenu(this);
}

TMenu::~TMenu() {
  DestroyComponents();
  DestroyMenuHandle();
}

platform::Hmenu TMenu::Handle() {
  if (!handle_) handle_ = items_->BuildHandle(IsPopup());
  return handle_;
}

void TMenu::DestroyMenuHandle() {
  if (handle_) platform::DestroyMenu(handle_);
  handle_ = 0;
}

void TMenu::Rebuild() { DestroyMenuHandle(); }

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
}

void TMainMenu::Rebuild() {
  // The window lets go of the old menu before it is destroyed.
  if (form_ && form_->HandleAllocated() && HandleAllocated()) platform::SetMenu(form_->Handle(), 0);
  TMenu::Rebuild();
  if (form_) form_->MenuChanged();
}

void TPopupMenu::Popup(int x, int y) {
  Fire(OnPopup, this);
  TApplication* app = Application();
  platform::Hwnd owner = app ? app->Handle() : 0;
  std::optional<TApplication::TActivationHold> hold;
  if (app) hold.emplace(*app);
  // The menu closes when the user clicks elsewhere only if its owner is in front.
  if (owner) platform::SetForegroundWindow(owner);
  platform::TrackPopupMenu(Handle(), platform::TpmLeftAlign | platform::TpmRightButton, x, y, owner);
  if (!owner) return;
  platform::PostMessageA(owner, platform::WmNull, 0, 0);
  hold.reset();
  // The owner, a hidden window, would keep the keyboard: the shown window
  // gets it back, unless the click that closed the menu went to another
  // program.
  if (platform::GetForegroundWindow() == owner) app->HandActivationOn();
}

}  // namespace toolkit
