#pragma once
// The common controls the program uses: the report-style list view with
// check boxes, and the status bar. Class names and notifications as Windows
// has them.
#include <cstdint>
#include <string>

#include "platform/windowing.h"

namespace platform {

inline constexpr const char* WcListView = "SysListView32";
inline constexpr const char* WcStatusBar = "msctls_statusbar32";
inline constexpr std::uint32_t LvsReport = 0x1;
inline constexpr std::uint32_t LvsShowSelAlways = 0x8;
inline constexpr std::uint32_t LvsEditLabels = 0x200;
inline constexpr std::uint32_t LvsExCheckBoxes = 0x4;
inline constexpr std::uint32_t LvsExFullRowSelect = 0x20;

// Notification codes (WM_NOTIFY).
inline constexpr std::uint32_t NmClick = static_cast<std::uint32_t>(-2);
inline constexpr std::uint32_t LvnItemChanged = static_cast<std::uint32_t>(-101);
inline constexpr std::uint32_t LvnBeginLabelEditA = static_cast<std::uint32_t>(-105);
inline constexpr std::uint32_t LvnEndLabelEditA = static_cast<std::uint32_t>(-106);
inline constexpr std::uint32_t LvnDeleteAllItems = static_cast<std::uint32_t>(-111);

// What a WM_NOTIFY carries, read from its lParam.
struct NotifyHeader {
  Hwnd from = 0;
  std::uintptr_t id = 0;
  std::uint32_t code = 0;
};
NotifyHeader ReadNotifyHeader(Lparam lParam);
// LVN_ITEMCHANGED: the item and its state bits before and after.
struct ListViewChange {
  int item = -1;
  std::uint32_t oldState = 0;
  std::uint32_t newState = 0;
  bool stateChanged = false;
};
ListViewChange ReadListViewChange(Lparam lParam);
// LVN_ENDLABELEDITA: the item and the new text; hasText false when the edit
// was cancelled.
struct ListViewLabelEdit {
  int item = -1;
  bool hasText = false;
  std::string text;
};
ListViewLabelEdit ReadListViewLabelEdit(Lparam lParam);

// List-view item state bits.
inline constexpr std::uint32_t LvisSelected = 0x2;
inline constexpr std::uint32_t LvisFocused = 0x1;
inline constexpr std::uint32_t LvisStateImageMask = 0xF000;
// The state image of a check box: 1 unchecked, 2 checked.
inline constexpr std::uint32_t StateImageUnchecked = 1u << 12;
inline constexpr std::uint32_t StateImageChecked = 2u << 12;

// The list-view messages, one function each.
std::uint32_t ListViewSetExtendedListViewStyle(Hwnd list, std::uint32_t exStyle);
int ListViewInsertColumn(Hwnd list, int index, const char* heading, int width);
// A column's heading: false when there is no such column.
bool ListViewSetColumnText(Hwnd list, int index, const char* heading);
// The item's state bits under stateMask are set as it is inserted, which
// tells the parent nothing (a later change would notify it); a check box's
// state image is not taken this way: a new item's box is unticked.
int ListViewInsertItem(Hwnd list, int index, const char* text, std::uint32_t state = 0, std::uint32_t stateMask = 0);
bool ListViewDeleteItem(Hwnd list, int index);
bool ListViewDeleteAllItems(Hwnd list);
bool ListViewSetItemText(Hwnd list, int index, const char* text);
bool ListViewSetItemState(Hwnd list, int index, std::uint32_t state, std::uint32_t mask);
bool ListViewSetCheckState(Hwnd list, int index, bool checked);

}  // namespace platform
