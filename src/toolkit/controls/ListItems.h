#pragma once
// The items of a report-style list with check boxes: caption, check state
// and selection live in the objects; a list view shows them and listens to
// OnChange to mirror every change.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/core/NotifyEvent.h"

namespace toolkit {

class TListItems;

enum class TItemChange { Added, Deleting, Cleared, Caption, Checked, Selected };

class TListItem : public TObject {
 public:
  explicit TListItem(TListItems* owner) : owner_(owner) {}

  TListItems* Owner() const { return owner_; }
  // The item's place in its list.
  int Index() const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  bool Selected() const { return selected_; }
  void SetSelected(bool selected);
  // A reference the list does not own, for whoever shows the item.
  void* Data() const { return data_; }
  void SetData(void* data) { data_ = data; }

 private:
  TListItems* owner_;
  std::string caption_;
  bool checked_ = false;
  bool selected_ = false;
  void* data_ = nullptr;
};

class TListItems : public TObject {
 public:
  // item is null for Cleared; Deleting comes before the item goes.
  using ChangeHook = std::function<void(TItemChange change, TListItem* item)>;

  TListItems() = default;
  TListItems(const TListItems&) = delete;
  TListItems& operator=(const TListItems&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  // Appends a new unchecked, unselected item with an empty caption.
  TListItem* Add();
  // index may equal Count (appends).
  TListItem* Insert(int index);
  void Delete(int index);
  void Clear();
  TListItem* Item(int index) const;
  int IndexOf(const TListItem* item) const;

  // Many changes in a row: whoever shows the items may hold back its
  // repaints from the first BeginUpdate to the last EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  class UpdateScope {
   public:
    explicit UpdateScope(TListItems& items, bool hold = true) : items_(items) {
      if (hold) Hold();
    }
    ~UpdateScope() { Release(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;
    void Hold() {
      if (!held_) items_.BeginUpdate();
      held_ = true;
    }
    void Release() {
      if (held_) items_.EndUpdate();
      held_ = false;
    }

   private:
    TListItems& items_;
    bool held_ = false;
  };

  ChangeHook OnChange;
  // true at the first BeginUpdate, false at the last EndUpdate.
  std::function<void(bool updating)> OnUpdate;

 private:
  friend class TListItem;
  void Changed(TItemChange change, TListItem* item) {
    if (OnChange) OnChange(change, item);
  }
  std::size_t Checked(int index, bool allowEnd) const;

  std::vector<std::unique_ptr<TListItem>> items_;
  int updates_ = 0;
};

}  // namespace toolkit
