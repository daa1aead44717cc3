// The report-style list view of the simulated system: columns, items with
// their state bits and check boxes, the notifications it sends its parent,
// and what the user does to it.
#include <algorithm>

#include "platform/commctrl.h"
#include "platform/sim/SimMachine.h"

namespace sim::detail {
using namespace platform;

Window* ListView(Hwnd list) {
  Window* w = Find(list);
  return w && machine::EqualNoCase(w->className, WcListView) ? w : nullptr;
}

// LVN_ITEMCHANGED to the list's parent.
void SendItemChange(Hwnd list, int index, std::uint32_t oldState, std::uint32_t newState) {
  Window* w = Find(list);
  if (!w) return;
  SimListViewChange change{{list, static_cast<std::uintptr_t>(w->id), LvnItemChanged},
                           {index, oldState, newState, true}};
  SendMessageA(w->parent, WmNotify, static_cast<Wparam>(w->id), reinterpret_cast<Lparam>(&change));
}

// The space bar ticks or unticks the focused item's check box.
platform::Lresult MURALTO_WINAPI ListViewProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = ListView(window);
  if (!w) return 0;
  if (message == WmKeyDown && wParam == static_cast<Wparam>(VkSpace) && (w->listExStyle & LvsExCheckBoxes)) {
    for (std::size_t i = 0; i < w->items.size(); ++i) {
      std::uint32_t old = w->items[i].state;
      if (!(old & LvisFocused)) continue;
      bool checked = (old & LvisStateImageMask) == StateImageChecked;
      w->items[i].state = (old & ~LvisStateImageMask) | (checked ? StateImageUnchecked : StateImageChecked);
      SendItemChange(window, static_cast<int>(i), old, w->items[i].state);
      break;
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace sim::detail

namespace platform {
using namespace sim::detail;

// In the simulation a WM_NOTIFY's lParam points at the structures of
// commctrl.h themselves.
NotifyHeader ReadNotifyHeader(Lparam lParam) {
  return lParam ? *reinterpret_cast<const NotifyHeader*>(lParam) : NotifyHeader{};
}

ListViewChange ReadListViewChange(Lparam lParam) {
  return lParam ? reinterpret_cast<const SimListViewChange*>(lParam)->change : ListViewChange{};
}

ListViewLabelEdit ReadListViewLabelEdit(Lparam lParam) {
  return lParam ? reinterpret_cast<const SimListViewLabelEdit*>(lParam)->edit : ListViewLabelEdit{};
}

std::uint32_t ListViewSetExtendedListViewStyle(Hwnd list, std::uint32_t exStyle) {
  Window* w = ListView(list);
  if (!w) return 0;
  std::uint32_t old = w->listExStyle;
  w->listExStyle = exStyle;
  if (exStyle & LvsExCheckBoxes) {
    for (auto& item : w->items) {
      if (!(item.state & LvisStateImageMask)) item.state |= StateImageUnchecked;
    }
  }
  return old;
}

int ListViewInsertColumn(Hwnd list, int index, const char* heading, int width) {
  Window* w = ListView(list);
  if (!w || index < 0) return -1;
  index = std::min<int>(index, static_cast<int>(w->columns.size()));
  w->columns.insert(w->columns.begin() + index, {heading ? heading : "", width});
  return index;
}

bool ListViewSetColumnText(Hwnd list, int index, const char* heading) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->columns.size())) return false;
  w->columns[static_cast<std::size_t>(index)].first = heading ? heading : "";
  return true;
}

int ListViewInsertItem(Hwnd list, int index, const char* text, std::uint32_t state, std::uint32_t stateMask) {
  Window* w = ListView(list);
  if (!w || index < 0) return -1;
  index = std::min<int>(index, static_cast<int>(w->items.size()));
  ListItem item{text ? text : "", (w->listExStyle & LvsExCheckBoxes) ? StateImageUnchecked : 0};
  item.state = (item.state & ~stateMask) | (state & stateMask);
  w->items.insert(w->items.begin() + index, item);
  return index;
}

bool ListViewDeleteItem(Hwnd list, int index) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return false;
  w->items.erase(w->items.begin() + index);
  return true;
}

bool ListViewDeleteAllItems(Hwnd list) {
  Window* w = ListView(list);
  if (!w) return false;
  w->items.clear();
  return true;
}

bool ListViewSetItemText(Hwnd list, int index, const char* text) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return false;
  w->items[static_cast<std::size_t>(index)].text = text ? text : "";
  return true;
}

bool ListViewSetItemState(Hwnd list, int index, std::uint32_t state, std::uint32_t mask) {
  Window* w = ListView(list);
  if (!w || index < -1 || index >= static_cast<int>(w->items.size())) return false;
  for (std::size_t i = 0; i < w->items.size(); ++i) {
    if (index == -1 || static_cast<int>(i) == index) {
      w->items[i].state = (w->items[i].state & ~mask) | (state & mask);
    }
  }
  return true;
}

bool ListViewSetCheckState(Hwnd list, int index, bool checked) {
  return ListViewSetItemState(list, index, checked ? StateImageChecked : StateImageUnchecked, LvisStateImageMask);
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

namespace {

// Every state bit of an item, 0 for one the list does not have.
std::uint32_t ItemState(platform::Hwnd list, int index) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return 0;
  return w->items[static_cast<std::size_t>(index)].state;
}

void SendClick(platform::Hwnd list) {
  Window* w = Find(list);
  if (!w) return;
  platform::NotifyHeader header{list, static_cast<std::uintptr_t>(w->id), platform::NmClick};
  platform::SendMessageA(w->parent, platform::WmNotify, static_cast<platform::Wparam>(w->id),
                         reinterpret_cast<platform::Lparam>(&header));
}
}  // namespace

// The list view reports the click first and turns the box over after it:
// the parent's click handler still finds the box as it stood.
void ClickListViewCheckBox(platform::Hwnd list, int index) {
  SendClick(list);
  const std::uint32_t old = ItemState(list, index);
  platform::ListViewSetCheckState(list, index, (old & platform::LvisStateImageMask) != platform::StateImageChecked);
  SendItemChange(list, index, old, ItemState(list, index));
}

void ClickListViewItem(platform::Hwnd list, int index, bool addToSelection) {
  const Window* w = ListView(list);
  const int count = w ? static_cast<int>(w->items.size()) : 0;
  for (int i = 0; i < count; ++i) {
    std::uint32_t old = ItemState(list, i);
    bool selected = i == index || (addToSelection && (old & platform::LvisSelected));
    std::uint32_t state = (selected ? platform::LvisSelected : 0) | (i == index ? platform::LvisFocused : 0);
    platform::ListViewSetItemState(list, i, state, platform::LvisSelected | platform::LvisFocused);
    std::uint32_t now = ItemState(list, i);
    if (now != old) SendItemChange(list, i, old, now);
  }
  SendClick(list);
}

void EditListViewLabel(platform::Hwnd list, int index, const std::string* newText) {
  Window* w = Find(list);
  if (!w) return;
  // An emptied label comes as an empty text (Wine's list view reports it as
  // a cancel).
  const bool hasText = newText != nullptr;
  SimListViewLabelEdit edit{{list, static_cast<std::uintptr_t>(w->id), platform::LvnEndLabelEditA},
                            {index, hasText, hasText ? *newText : std::string()}};
  platform::Lresult accept = platform::SendMessageA(w->parent, platform::WmNotify, static_cast<platform::Wparam>(w->id),
                                                    reinterpret_cast<platform::Lparam>(&edit));
  if (accept && hasText) platform::ListViewSetItemText(list, index, newText->c_str());
}

std::vector<ListViewItemInfo> ListViewItems(platform::Hwnd list) {
  std::vector<ListViewItemInfo> items;
  if (const Window* w = ListView(list)) {
    for (const ListItem& item : w->items) items.push_back({item.text, item.state});
  }
  return items;
}

std::vector<std::string> ListViewColumns(platform::Hwnd list) {
  std::vector<std::string> headings;
  if (const Window* w = ListView(list)) {
    for (const auto& [heading, width] : w->columns) headings.push_back(heading);
  }
  return headings;
}

}  // namespace sim
