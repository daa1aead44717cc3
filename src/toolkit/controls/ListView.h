#pragma once
// TListView: a report-style list with one column, showing the items of a
// TListItems: caption, check box and selection. The items are the state;
// the window shows them and the user's check-box clicks, selections and
// in-place edits are taken back into them. A key that ticks or unticks an
// item's check box (the space bar) is a click on that check box: OnClick
// follows, as it does for the mouse.
#include <string>

#include "toolkit/controls/ListItems.h"
#include "toolkit/controls/WinControl.h"

namespace toolkit {

class TListView : public TWinControl {
 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;

  TListItems& Items() { return items_; }
  bool Checkboxes() const { return checkboxes_; }
  void SetCheckboxes(bool on);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool on) { multiSelect_ = on; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on) { readOnly_ = on; }
  const std::string& ColumnCaption() const { return columnCaption_; }
  int ColumnWidth() const { return columnWidth_; }
  void SetColumn(const std::string& caption, int width);
  // The heading alone, shown at once when the list has its window.
  void SetColumnCaption(const std::string& caption);

  platform::Lresult CNNotify(platform::Lparam lParam) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void InitializeWnd() override;

 private:
  void Mirror(TItemChange change, TListItem* item);
  void ShowItem(int index);
  void HoldRepaints(bool hold);
  void ShowPending();

  TListItems items_;
  bool checkboxes_ = false;
  bool multiSelect_ = false;
  bool readOnly_ = false;
  std::string columnCaption_;
  int columnWidth_ = 50;
  bool mirroring_ = false;  // the window is being told: its notifications are echoes
  bool taking_ = false;     // the items take the user's change: nothing to show back
  bool updating_ = false;   // between the items' BeginUpdate and EndUpdate
  int shown_ = 0;           // while updating: the items from here on are not in the window yet
};

}  // namespace toolkit
