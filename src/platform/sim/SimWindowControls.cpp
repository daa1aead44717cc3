// The predefined control classes of the simulated system: buttons, edits,
// statics, the list view and the status bar. They keep what the program
// relies on: check states, edit text and selection with the notifications
// Windows sends, the formatting rectangle, list-view items; a press on a
// button or an edit takes the focus, and the space bar ticks a list item.
#include <algorithm>
#include <cstring>

#include "platform/commctrl.h"
#include "platform/sim/SimWindowState.h"

namespace sim::detail {

void NotifyParent(const Window& control, std::uint32_t code) {
  platform::SendMessageA(control.parent, platform::WmCommand,
                         platform::MakeWparam(static_cast<std::uint32_t>(control.id), code),
                         static_cast<platform::Lparam>(control.handle));
}

namespace {
using namespace platform;

Lresult MURALTO_WINAPI ButtonProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (!w) return 0;
  std::uint32_t kind = w->style & 0xF;
  switch (message) {
    case BmGetCheck: return w->check;
    case BmSetCheck: w->check = static_cast<std::uint32_t>(wParam); return 0;
    case WmLButtonDown:
      // A press takes the focus; the release clicks.
      if (S().focus != window) SetFocus(window);
      return 0;
    case WmLButtonUp:
    case BmClick: {
      if (!w->enabled) return 0;
      if (kind == BsAutoCheckBox) w->check = w->check == BstChecked ? BstUnchecked : BstChecked;
      if (kind == BsAutoRadioButton) {
        for (auto& [h, other] : S().windows) {
          if (h != window && other.parent == w->parent && !other.destroying && Upper(other.className) == "BUTTON" &&
              (other.style & 0xF) == BsAutoRadioButton) {
            other.check = BstUnchecked;
          }
        }
        w->check = BstChecked;
      }
      Window copy = *w;
      NotifyParent(copy, BnClicked);
      return 0;
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

void ReplaceSelection(Window& w, const std::string& text) {
  int len = static_cast<int>(w.title.size());
  int a = std::clamp(std::min(w.selStart, w.selEnd), 0, len);
  int b = std::clamp(std::max(w.selStart, w.selEnd), 0, len);
  w.title.replace(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a), text);
  w.selStart = w.selEnd = a + static_cast<int>(text.size());
}

void Changed(Hwnd window) {
  if (Window* w = Find(window)) {
    Window copy = *w;
    NotifyParent(copy, EnChange);
  }
}

Lresult MURALTO_WINAPI EditProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (!w) return 0;
  bool readOnly = (w->style & EsReadOnly) != 0;
  switch (message) {
    case WmSetText: {
      DefWindowProcA(window, message, wParam, lParam);
      w->selStart = w->selEnd = 0;
      // A multi-line edit does not report text set by WM_SETTEXT.
      if (!(w->style & EsMultiline)) Changed(window);
      return 1;
    }
    case WmChar: {
      if (readOnly) return 0;
      char c = static_cast<char>(wParam);
      if (c == '\b') {
        if (w->selStart == w->selEnd && w->selStart > 0) --w->selStart;
        ReplaceSelection(*w, "");
      } else if (static_cast<unsigned char>(c) >= 32) {
        ReplaceSelection(*w, std::string(1, c));
      } else if (c == '\r' && (w->style & EsMultiline) && (w->style & EsWantReturn)) {
        ReplaceSelection(*w, "\r\n");
      } else {
        return 0;
      }
      Changed(window);
      return 0;
    }
    case WmPaste:
      if (readOnly || S().clipboard.empty()) return 0;
      ReplaceSelection(*w, S().clipboard);
      Changed(window);
      return 0;
    case WmCut: {
      int a = std::min(w->selStart, w->selEnd), b = std::max(w->selStart, w->selEnd);
      if (readOnly || a == b) return 0;
      S().clipboard = w->title.substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
      ReplaceSelection(*w, "");
      Changed(window);
      return 0;
    }
    case EmReplaceSel:
      ReplaceSelection(*w, lParam ? reinterpret_cast<const char*>(lParam) : "");
      Changed(window);
      return 0;
    case EmSetSel: {
      int len = static_cast<int>(w->title.size());
      int a = static_cast<int>(static_cast<std::intptr_t>(wParam));
      int b = static_cast<int>(lParam);
      if (a < 0) {
        w->selStart = w->selEnd = len;  // -1 removes the selection
        return 0;
      }
      if (b < 0 || b > len) b = len;
      w->selStart = std::min(a, len);
      w->selEnd = b;
      return 0;
    }
    case EmGetSel: {
      auto a = static_cast<std::uint32_t>(std::min(w->selStart, w->selEnd));
      auto b = static_cast<std::uint32_t>(std::max(w->selStart, w->selEnd));
      if (wParam) *reinterpret_cast<std::uint32_t*>(wParam) = a;
      if (lParam) *reinterpret_cast<std::uint32_t*>(lParam) = b;
      return static_cast<Lresult>(MakeWparam(a, b));
    }
    case EmGetRect: {
      auto* rect = reinterpret_cast<Rect*>(lParam);
      if (!rect) return 0;
      if (w->hasFormatRect) {
        *rect = w->formatRect;
      } else {
        sim::WindowClientRect(window, rect);
      }
      return 0;
    }
    case EmSetRectNp: {
      auto* rect = reinterpret_cast<const Rect*>(lParam);
      if (!(w->style & EsMultiline)) return 0;  // single-line edits ignore it
      w->hasFormatRect = rect != nullptr;
      if (rect) w->formatRect = *rect;
      return 0;
    }
    case EmSetReadOnly: w->style = wParam ? (w->style | EsReadOnly) : (w->style & ~EsReadOnly); return 1;
    case WmGetDlgCode: return DlgcWantChars;
    case WmLButtonDown:
      // A press on an edit takes the focus into it.
      if (S().focus != window) SetFocus(window);
      return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

Lresult MURALTO_WINAPI PlainProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

// A static text or picture is transparent to the pointer, which then
// reaches the window beneath it, unless it notifies its parent.
Lresult MURALTO_WINAPI StaticProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
  Window* w = Find(window);
  if (w && message == WmNcHitTest && !(w->style & SsNotify)) return HtTransparent;
  return DefWindowProcA(window, message, wParam, lParam);
}

Window* ListView(Hwnd list) {
  Window* w = Find(list);
  return w && Upper(w->className) == Upper(WcListView) ? w : nullptr;
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
Lresult MURALTO_WINAPI ListViewProc(Hwnd window, std::uint32_t message, Wparam wParam, Lparam lParam) {
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

}  // namespace

void RegisterPredefinedClasses() {
  auto& classes = S().classes;
  if (classes.count("BUTTON")) return;
  classes["BUTTON"] = {"Button", ButtonProc, 0};
  classes["EDIT"] = {"Edit", EditProc, 0};
  classes["STATIC"] = {"Static", StaticProc, 0};
  classes[Upper(WcListView)] = {WcListView, ListViewProc, 0};
  classes[Upper(WcStatusBar)] = {WcStatusBar, PlainProc, 0};
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

std::string ListViewGetColumnText(Hwnd list, int index) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->columns.size())) return "";
  return w->columns[static_cast<std::size_t>(index)].first;
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

int ListViewGetItemCount(Hwnd list) {
  Window* w = ListView(list);
  return w ? static_cast<int>(w->items.size()) : 0;
}

bool ListViewSetItemText(Hwnd list, int index, const char* text) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return false;
  w->items[static_cast<std::size_t>(index)].text = text ? text : "";
  return true;
}

std::string ListViewGetItemText(Hwnd list, int index) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return "";
  return w->items[static_cast<std::size_t>(index)].text;
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

std::uint32_t ListViewGetItemState(Hwnd list, int index, std::uint32_t mask) {
  Window* w = ListView(list);
  if (!w || index < 0 || index >= static_cast<int>(w->items.size())) return 0;
  return w->items[static_cast<std::size_t>(index)].state & mask;
}

bool ListViewSetCheckState(Hwnd list, int index, bool checked) {
  return ListViewSetItemState(list, index, checked ? StateImageChecked : StateImageUnchecked, LvisStateImageMask);
}

bool ListViewGetCheckState(Hwnd list, int index) {
  return (ListViewGetItemState(list, index, LvisStateImageMask) >> 12) == 2;
}

}  // namespace platform

namespace sim {
using namespace sim::detail;

namespace {
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
  std::uint32_t old = platform::ListViewGetItemState(list, index, 0xFFFFFFFFu);
  platform::ListViewSetCheckState(list, index, !platform::ListViewGetCheckState(list, index));
  SendItemChange(list, index, old, platform::ListViewGetItemState(list, index, 0xFFFFFFFFu));
}

void ClickListViewItem(platform::Hwnd list, int index, bool addToSelection) {
  int count = platform::ListViewGetItemCount(list);
  for (int i = 0; i < count; ++i) {
    std::uint32_t old = platform::ListViewGetItemState(list, i, 0xFFFFFFFFu);
    bool selected = i == index || (addToSelection && (old & platform::LvisSelected));
    std::uint32_t state = (selected ? platform::LvisSelected : 0) | (i == index ? platform::LvisFocused : 0);
    platform::ListViewSetItemState(list, i, state, platform::LvisSelected | platform::LvisFocused);
    std::uint32_t now = platform::ListViewGetItemState(list, i, 0xFFFFFFFFu);
    if (now != old) SendItemChange(list, i, old, now);
  }
  SendClick(list);
}

void EditListViewLabel(platform::Hwnd list, int index, const std::string* newText) {
  Window* w = Find(list);
  if (!w) return;
  // As Wine's list view, an emptied label is reported as no text at all.
  const bool hasText = newText != nullptr && !newText->empty();
  SimListViewLabelEdit edit{{list, static_cast<std::uintptr_t>(w->id), platform::LvnEndLabelEditA},
                            {index, hasText, hasText ? *newText : std::string()}};
  platform::Lresult accept = platform::SendMessageA(w->parent, platform::WmNotify, static_cast<platform::Wparam>(w->id),
                                                    reinterpret_cast<platform::Lparam>(&edit));
  if (accept && hasText) platform::ListViewSetItemText(list, index, newText->c_str());
}

}  // namespace sim
