#include "toolkit/controls/ListView.h"

#include "platform/commctrl.h"
#include "platform/messages.h"

namespace vcl {

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
  for (int i = 0; i < items_.Count(); ++i) ShowItem(i);
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

void TListView::ShowItem(int index) {
  TListItem* item = items_.Item(index);
  platform::ListViewInsertItem(Handle(), index, item->Caption().c_str());
  if (checkboxes_) platform::ListViewSetCheckState(Handle(), index, item->Checked());
  platform::ListViewSetItemState(Handle(), index, item->Selected() ? platform::LvisSelected : 0, platform::LvisSelected);
}

// A list view repaints and sizes its scroll bars at every item added or
// removed; for many in a row it does so once, at the end.
void TListView::HoldRepaints(bool hold) {
  if (!HandleAllocated()) return;
  platform::SendMessageA(Handle(), platform::WmSetRedraw, hold ? 0 : 1, 0);
  if (!hold) platform::InvalidateRect(Handle(), nullptr, true);
}

void TListView::Mirror(TItemChange change, TListItem* item) {
  if (!HandleAllocated() || taking_) return;
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
    case platform::LvnBeginLabelEditA:
      return readOnly_ ? 1 : 0;
    case platform::LvnEndLabelEditA: {
      platform::ListViewLabelEdit edit = platform::ReadListViewLabelEdit(lParam);
      if (!edit.hasText || edit.item < 0 || edit.item >= items_.Count()) return 0;
      taking_ = true;
      items_.Item(edit.item)->SetCaption(edit.text);
      taking_ = false;
      return 1;  // the list shows the new text
    }
    case platform::NmClick:
      Click();
      return 0;
    default:
      return 0;
  }
}

}  // namespace vcl
