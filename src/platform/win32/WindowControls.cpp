// The list view and the notifications of the common controls over the real API.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "platform/commctrl.h"

namespace platform {

namespace {
HWND H(Hwnd window) { return reinterpret_cast<HWND>(window); }
}  // namespace

NotifyHeader ReadNotifyHeader(Lparam lParam) {
  if (!lParam) return {};
  const auto* h = reinterpret_cast<const NMHDR*>(lParam);
  return {reinterpret_cast<Hwnd>(h->hwndFrom), h->idFrom, h->code};
}

ListViewChange ReadListViewChange(Lparam lParam) {
  if (!lParam) return {};
  const auto* n = reinterpret_cast<const NMLISTVIEW*>(lParam);
  return {n->iItem, n->uOldState, n->uNewState, (n->uChanged & LVIF_STATE) != 0};
}

ListViewLabelEdit ReadListViewLabelEdit(Lparam lParam) {
  if (!lParam) return {};
  const auto* n = reinterpret_cast<const NMLVDISPINFOA*>(lParam);
  ListViewLabelEdit result;
  result.item = n->item.iItem;
  result.hasText = n->item.pszText != nullptr;
  if (result.hasText) result.text = n->item.pszText;
  return result;
}

std::uint32_t ListViewSetExtendedListViewStyle(Hwnd list, std::uint32_t exStyle) {
  return static_cast<std::uint32_t>(::SendMessageA(H(list), LVM_SETEXTENDEDLISTVIEWSTYLE, 0, exStyle));
}

int ListViewInsertColumn(Hwnd list, int index, const char* heading, int width) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = const_cast<char*>(heading ? heading : "");
  column.cx = width;
  return static_cast<int>(::SendMessageA(H(list), LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

bool ListViewSetColumnText(Hwnd list, int index, const char* heading) {
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<char*>(heading ? heading : "");
  return ::SendMessageA(H(list), LVM_SETCOLUMNA, index, reinterpret_cast<LPARAM>(&column)) != 0;
}

int ListViewInsertItem(Hwnd list, int index, const char* text, std::uint32_t state, std::uint32_t stateMask) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | (stateMask ? LVIF_STATE : 0);
  item.state = state;
  item.stateMask = stateMask;
  item.iItem = index;
  item.pszText = const_cast<char*>(text ? text : "");
  return static_cast<int>(::SendMessageA(H(list), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListViewDeleteItem(Hwnd list, int index) { return ::SendMessageA(H(list), LVM_DELETEITEM, index, 0) != 0; }
bool ListViewDeleteAllItems(Hwnd list) { return ::SendMessageA(H(list), LVM_DELETEALLITEMS, 0, 0) != 0; }

bool ListViewSetItemText(Hwnd list, int index, const char* text) {
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = const_cast<char*>(text ? text : "");
  return ::SendMessageA(H(list), LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item)) != 0;
}

bool ListViewSetItemState(Hwnd list, int index, std::uint32_t state, std::uint32_t mask) {
  LVITEMA item{};
  item.stateMask = mask;
  item.state = state;
  return ::SendMessageA(H(list), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) != 0;
}

bool ListViewSetCheckState(Hwnd list, int index, bool checked) {
  return ListViewSetItemState(list, index, checked ? StateImageChecked : StateImageUnchecked, LvisStateImageMask);
}

}  // namespace platform
