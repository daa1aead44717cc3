#pragma once
// Menu bars, pop-up menus and their items. Items hold caption, check mark
// and handler; the system's menu is built from them and rebuilt when an
// item's caption or the item set changes.
#include <string>
#include <vector>

#include "platform/menus.h"
#include "toolkit/core/Component.h"

namespace toolkit {

class TMenu;
class TForm;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool IsSeparator() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t Command() const { return command_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);

  TNotifyEvent OnClick;
  virtual void Click();

  // The menu this item (or its parent chain) belongs to.
  TMenu* Menu() const;
  void SetMenu(TMenu* menu) { menu_ = menu; }
  // Builds the system's menu of this item's children.
  platform::Hmenu BuildHandle(bool popup) const;

 private:
  void Changed();

  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  std::uint32_t command_ = 0;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;
  std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item; its children are the menu's entries.
  TMenuItem* Items() const { return items_; }
  // The system's menu, built on first use.
  platform::Hmenu Handle();
  bool HandleAllocated() const { return handle_ != 0; }
  // An item changed: the system's menu is built again.
  virtual void Rebuild();
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  virtual bool IsPopup() const = 0;
  void DestroyMenuHandle();

 private:
  TMenuItem* items_;
  platform::Hmenu handle_ = 0;
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  void SetWindow(TForm* form) { form_ = form; }
  void Rebuild() override;

 protected:
  bool IsPopup() const override { return false; }

 private:
  TForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}
  // Shows the menu at screen point (x, y); a chosen item's OnClick follows
  // from the message loop.
  void Popup(int x, int y);
  TNotifyEvent OnPopup;

 protected:
  bool IsPopup() const override { return true; }
};

}  // namespace toolkit
