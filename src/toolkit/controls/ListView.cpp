#include "toolkit/controls/ListView.h"

#include "platform/commctrl.h"
#include "platform/messages.h"

namespace toolkit {

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 250, 150);
  items_.OnChange = [this](TItemChange change, TListItem* item) { Mirror(change, item); };
  items_.OnUpdate = [this](bool updating) { HoldRepaints(updating); };
}

TListView::~TListView() {
  items_.OnChange = nullptr;
  items_.OnUpdate = nullptr;
  DestroyHandle();
}

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = platform::WcListView;
  params.Style |= platform::LvsReport;
  if (!readOnly_) params.Style |= platform::LvsEditLabels;
  if (!multiSelect_) params.Style |= 0x4;  // LVS_SINGLESEL
  params.ExStyle |= platform::WsExClientEdge;
}

void TListView::InitializeWnd() {
  mirroring_ = true;
  platform::ListViewSetExtendedListViewStyle(Handle(), checkboxes_ ? platform::LvsExCheckBoxes : 0);
  platform::ListViewInsertColumn(Handle(), 0, columnCaption_.c_str(), columnWidth_);
  // A list view sizes its scroll bars at every insertion while it repaints.
  const bool hold = Visible() && items_.Count() > 1;
  if (hold) platform::SendMessageA(Handle(), platform::WmSetRedraw, 0, 0);
  for (int i = 0; i < items_.Count(); ++i) ShowItem(i);
  shown_ = items_.Count();
  if (hold && !updating_) platform::SendMessageA(Handle(), platform::WmSetRedraw, 1, 0);
  mirroring_ = false;
}

void TListView::SetCheckboxes(bool on) {
  checkboxes_ = on;
  if (!HandleAllocated()) return;
  mirroring_ = true;
  platform::ListViewSetExtendedListViewStyle(Handle(), on ? platform::LvsExCheckBoxes : 0);
  for (int i = 0; i < items_.Count(); ++i) platform::ListViewSetCheckState(Handle(), i, items_.Item(i)->Checked());
  mirroring_ = false;
}

void TListView::SetColumn(const std::string& caption, int width) {
  columnCaption_ = caption;
  columnWidth_ = width;
}

void TListView::SetColumnCaption(const std::string& caption) {
  columnCaption_ = caption;
  if (HandleAllocated()) platform::ListViewSetColumnText(Handle(), 0, caption.c_str());
}

// A new item comes unselected and, with check boxes, unticked: only other
// states cost a message more. (The list view takes no check box with the
// insertion itself.)
void TListView::ShowItem(int index) {
  TListItem* item = items_.Item(index);
  const std::uint32_t selected = item->Selected() ? platform::LvisSelected : 0;
  platform::ListViewInsertItem(Handle(), index, item->Caption().c_str(), selected, selected);
  if (checkboxes_ && item->Checked()) platform::ListViewSetCheckState(Handle(), index, true);
}

// Items appended while updating reach the window at the end, each as it then is.
void TListView::ShowPending() {
  mirroring_ = true;
  for (; shown_ < items_.Count(); ++shown_) ShowItem(shown_);
  mirroring_ = false;
}

// A list view repaints and sizes its scroll bars at every item added or
// removed; for many in a row it does so once, at the end.
void TListView::HoldRepaints(bool hold) {
  updating_ = hold;
  if (!HandleAllocated()) {
    shown_ = items_.Count();  // the window shows them all when it is made
    return;
  }
  if (hold) shown_ = items_.Count();
  if (!hold) ShowPending();
  // Turning repaints back on shows a window: a hidden list stays as it is.
  if (!Visible()) return;
  platform::SendMessageA(Handle(), platform::WmSetRedraw, hold ? 0 : 1, 0);
  if (!hold) platform::InvalidateRect(Handle(), nullptr, true);
}

void TListView::Mirror(TItemChange change, TListItem* item) {
  if (!HandleAllocated() || taking_) return;
  if (updating_) {
    // Items past shown_ wait outside the window, to be shown at the end as
    // they then are.
    if (change != TItemChange::Cleared && item->Index() >= shown_) return;
    if (change == TItemChange::Added) ++shown_;
    if (change == TItemChange::Deleting) --shown_;
    if (change == TItemChange::Cleared) shown_ = 0;
  }
  mirroring_ = true;
  platform::Hwnd h = Handle();
  switch (change) {
    case TItemChange::Added: ShowItem(item->Index()); break;
    case TItemChange::Deleting: platform::ListViewDeleteItem(h, item->Index()); break;
    case TItemChange::Cleared: platform::ListViewDeleteAllItems(h); break;
    case TItemChange::Caption: platform::ListViewSetItemText(h, item->Index(), item->Caption().c_str()); break;
    case TItemChange::Checked: platform::ListViewSetCheckState(h, item->Index(), item->Checked()); break;
    case TItemChange::Selected:
      platform::ListViewSetItemState(h, item->Index(), item->Selected() ? platform::LvisSelected : 0,
                                     platform::LvisSelected);
      break;
  }
  mirroring_ = false;
}

platform::Lresult TListView::CNNotify(platform::Lparam lParam) {
  platform::NotifyHeader header = platform::ReadNotifyHeader(lParam);
  switch (header.code) {
    case platform::LvnItemChanged: {
      if (mirroring_) return 0;
      platform::ListViewChange change = platform::ReadListViewChange(lParam);
      if (!change.stateChanged || change.item < 0 || change.item >= items_.Count()) return 0;
      TListItem* item = items_.Item(change.item);
      taking_ = true;
      std::uint32_t image = change.newState & platform::LvisStateImageMask;
      if (checkboxes_ && image != 0) item->SetChecked(image == platform::StateImageChecked);
      item->SetSelected((change.newState & platform::LvisSelected) != 0);
      taking_ = false;
      return 0;
    }
    case platform::LvnBeginLabelEditA: return readOnly_ ? 1 : 0;
    case platform::LvnEndLabelEditA: {
      platform::ListViewLabelEdit edit = platform::ReadListViewLabelEdit(lParam);
      // An emptied label names nothing: the item keeps its caption.
      if (!edit.hasText || edit.text.empty() || edit.item < 0 || edit.item >= items_.Count()) return 0;
      taking_ = true;
      items_.Item(edit.item)->SetCaption(edit.text);
      taking_ = false;
      return 1;  // the list shows the new text
    }
    case platform::LvnDeleteAllItems: return 1;  // no notice per item: a long list empties and closes at once
    case platform::NmClick: Click(); return 0;
    default: return 0;
  }
}

}  // namespace toolkit
