#include "toolkit/controls/ListItems.h"

#include <algorithm>

#include "toolkit/core/Exceptions.h"

namespace toolkit {

int TListItem::Index() const { return owner_->IndexOf(this); }

void TListItem::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  owner_->Changed(TItemChange::Caption, this);
}

void TListItem::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  owner_->Changed(TItemChange::Checked, this);
}

void TListItem::SetSelected(bool selected) {
  if (selected == selected_) return;
  selected_ = selected;
  owner_->Changed(TItemChange::Selected, this);
}

std::size_t TListItems::Checked(int index, bool allowEnd) const {
  const int last = allowEnd ? Count() : Count() - 1;
  if (index < 0 || index > last) throw EStringListError(msg::ListIndexError(index));
  return static_cast<std::size_t>(index);
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index) {
  const std::size_t at = Checked(index, true);
  auto item = std::make_unique<TListItem>(this);
  TListItem* raw = item.get();
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  Changed(TItemChange::Added, raw);
  return raw;
}

void TListItems::Delete(int index) {
  TListItem* doomed = items_[Checked(index, false)].get();
  Changed(TItemChange::Deleting, doomed);
  // The hook may have changed the list meanwhile: find the item again.
  const int at = IndexOf(doomed);
  if (at >= 0) items_.erase(items_.begin() + at);
}

void TListItems::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed(TItemChange::Cleared, nullptr);
}

void TListItems::BeginUpdate() {
  if (++updates_ == 1 && OnUpdate) OnUpdate(true);
}

void TListItems::EndUpdate() {
  if (updates_ > 0 && --updates_ == 0 && OnUpdate) OnUpdate(false);
}

TListItem* TListItems::Item(int index) const { return items_[Checked(index, false)].get(); }

int TListItems::IndexOf(const TListItem* item) const {
  // Most lookups are of the item just appended.
  if (!items_.empty() && items_.back().get() == item) return Count() - 1;
  auto it = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

}  // namespace toolkit
