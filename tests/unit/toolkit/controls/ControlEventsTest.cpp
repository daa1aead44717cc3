// When radio groups, check boxes and the list view raise their events.
#include <gtest/gtest.h>

#include "platform/commctrl.h"
#include "support/Probe.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/CheckBox.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/controls/SpeedButton.h"

namespace {

class ControlEventsTest : public guitest::GuiTest {};

TEST_F(ControlEventsTest, RadioGroupIndexIsClampedAndOnlyAChangeClicks) {
  struct Row {
    int from, set, expected;
    bool click;
  } rows[] = {
      {0, 0, 0, false},                                          // the same item: nothing
      {0, 1, 1, true},    {0, 2, 2, true},     {0, 3, 2, true},  // larger than the last: the last
      {2, 30, 2, false},                                         // already the last
      {0, -1, -1, false},                                        // nothing chosen: no button was clicked
      {0, -5, -1, false},                                        // below -1: -1
      {-1, 1, 1, true},   {-1, -7, -1, false},
  };
  for (const Row& row : rows) {
    auto* group = toolkit::TComponent::Create<toolkit::TRadioGroup>(form);
    group->SetItems({"Centered", "Stretched", "Tiled"});
    group->SetItemIndex(row.from);
    int clicks = 0;
    group->OnClick = [&](toolkit::TObject*) { ++clicks; };
    group->SetItemIndex(row.set);
    EXPECT_EQ(group->ItemIndex(), row.expected) << row.from << " -> " << row.set;
    EXPECT_EQ(clicks, row.click ? 1 : 0) << row.from << " -> " << row.set;
  }
}

TEST_F(ControlEventsTest, RadioGroupWithoutItemsStaysAtMinusOne) {
  auto* group = toolkit::TComponent::Create<toolkit::TRadioGroup>(form);
  int clicks = 0;
  group->OnClick = [&](toolkit::TObject*) { ++clicks; };
  group->SetItemIndex(0);
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ControlEventsTest, AUsersRadioClickChoosesTheItemAndClicksOnlyOnChange) {
  auto* group = toolkit::TComponent::Create<toolkit::TRadioGroup>(form);
  group->SetBounds(10, 10, 113, 57);
  group->SetItems({"Random", "Sequential"});
  group->SetItemIndex(0);
  group->SetParent(form);
  form->Show();
  std::vector<int> seen;
  group->OnClick = [&](toolkit::TObject*) { seen.push_back(group->ItemIndex()); };
  platform::Hwnd sequential = sim::FindChild(group->Handle(), "Button", "Sequential");
  platform::Hwnd random = sim::FindChild(group->Handle(), "Button", "Random");
  ASSERT_NE(sequential, 0u);
  platform::SendMessageA(sequential, platform::BmClick, 0, 0);
  platform::SendMessageA(sequential, platform::BmClick, 0, 0);
  EXPECT_EQ(seen, std::vector<int>{1});
  EXPECT_EQ(platform::SendMessageA(random, platform::BmGetCheck, 0, 0), 0);
  // The program's change shows in the buttons.
  group->SetItemIndex(0);
  EXPECT_EQ(platform::SendMessageA(random, platform::BmGetCheck, 0, 0), 1);
  EXPECT_EQ(platform::SendMessageA(sequential, platform::BmGetCheck, 0, 0), 0);
}

TEST_F(ControlEventsTest, CheckBoxClicksWhenItsStateChangesByProgramOrUser) {
  auto* box = toolkit::TComponent::Create<toolkit::TCheckBox>(form);
  box->SetParent(form);
  form->Show();
  std::vector<bool> seen;
  box->OnClick = [&](toolkit::TObject*) { seen.push_back(box->Checked()); };
  box->SetChecked(false);  // the same state: nothing
  box->SetChecked(true);
  box->SetChecked(true);
  EXPECT_EQ(platform::SendMessageA(box->Handle(), platform::BmGetCheck, 0, 0), 1);
  platform::SendMessageA(box->Handle(), platform::BmClick, 0, 0);  // the user unticks it
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  EXPECT_FALSE(box->Checked());
}

class ListViewTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    list = toolkit::TComponent::Create<toolkit::TListView>(form);
    list->SetCheckboxes(true);
    list->SetMultiSelect(true);
    list->SetColumn("Folders", 225);
    list->SetParent(form);
    for (const char* path : {"C:\\A", "C:\\B", "D:\\C"}) {
      toolkit::TListItem* item = list->Items().Add();
      item->SetCaption(path);
      item->SetChecked(path[0] == 'C');
    }
    form->Show();
    list->OnClick = [this](toolkit::TObject*) { ++clicks; };
  }
  std::string Shown() {
    std::string shown;
    platform::Hwnd h = list->Handle();
    for (int i = 0; i < probe::ListViewGetItemCount(h); ++i) {
      shown += (probe::ListViewGetCheckState(h, i) ? "[x] " : "[ ] ") + probe::ListViewGetItemText(h, i) + ";";
    }
    return shown;
  }
  toolkit::TListView* list = nullptr;
  int clicks = 0;
};

TEST_F(ListViewTest, TheWindowShowsTheItems) {
  EXPECT_EQ(Shown(), "[x] C:\\A;[x] C:\\B;[ ] D:\\C;");
  list->Items().Item(1)->SetChecked(false);
  list->Items().Item(2)->SetCaption("E:\\");
  list->Items().Delete(0);
  list->Items().Add()->SetCaption("F:\\New");
  EXPECT_EQ(Shown(), "[ ] C:\\B;[ ] E:\\;[ ] F:\\New;");
  list->Items().Clear();
  EXPECT_EQ(Shown(), "");
  EXPECT_EQ(clicks, 0);
}

TEST_F(ListViewTest, TheClickEventComesBeforeTheUsersCheckBoxClickReachesTheItem) {
  bool checkedAtClick = false;
  list->OnClick = [&](toolkit::TObject*) {
    ++clicks;
    checkedAtClick = list->Items().Item(0)->Checked();
  };
  sim::ClickListViewCheckBox(list->Handle(), 0);
  EXPECT_TRUE(checkedAtClick);
  EXPECT_FALSE(list->Items().Item(0)->Checked());
  EXPECT_EQ(clicks, 1);
}

TEST_F(ListViewTest, SelectionAndInPlaceEditsAreTakenBack) {
  sim::ClickListViewItem(list->Handle(), 0, false);
  sim::ClickListViewItem(list->Handle(), 2, true);
  EXPECT_TRUE(list->Items().Item(0)->Selected());
  EXPECT_FALSE(list->Items().Item(1)->Selected());
  EXPECT_TRUE(list->Items().Item(2)->Selected());
  std::string edited = "C:\\Renamed";
  sim::EditListViewLabel(list->Handle(), 1, &edited);
  sim::EditListViewLabel(list->Handle(), 2, nullptr);  // cancelled
  EXPECT_EQ(list->Items().Item(1)->Caption(), "C:\\Renamed");
  EXPECT_EQ(list->Items().Item(2)->Caption(), "D:\\C");
  EXPECT_EQ(Shown(), "[x] C:\\A;[x] C:\\Renamed;[ ] D:\\C;");
  EXPECT_EQ(clicks, 2);
}

}  // namespace

namespace {

TEST_F(ControlEventsTest, TheFormSeesAControlsKeysOnlyWithKeyPreview) {
  auto* button = toolkit::TComponent::Create<toolkit::TButton>(form);
  button->SetParent(form);
  form->Show();
  std::vector<int> formKeys;
  form->OnKeyDown = [&](toolkit::TObject*, std::uint16_t& key, toolkit::TShiftState) { formKeys.push_back(key); };
  platform::SendMessageA(button->Handle(), platform::WmKeyDown, platform::VkEscape, 0);
  EXPECT_TRUE(formKeys.empty()) << "key preview off: the key is the button's";
  platform::SendMessageA(form->Handle(), platform::WmKeyDown, platform::VkEscape, 0);
  EXPECT_EQ(formKeys, std::vector<int>{platform::VkEscape});
  form->SetKeyPreview(true);
  platform::SendMessageA(button->Handle(), platform::WmKeyDown, platform::VkReturn, 0);
  EXPECT_EQ(formKeys, (std::vector<int>{platform::VkEscape, platform::VkReturn}));
}

}  // namespace

namespace {

// A drawn control taken away while the button is held on it lets go of the
// mouse: the rest of the press goes to the window, not to the control that
// is gone, and the window no longer holds the capture for it.
TEST_F(ControlEventsTest, ADrawnControlRemovedWhileItIsPressedLetsGoOfTheMouse) {
  auto* button = toolkit::TComponent::Create<toolkit::TSpeedButton>(form);
  button->SetBounds(10, 10, 20, 20);
  button->SetParent(form);
  form->Show();
  int clicks = 0;
  button->OnClick = [&](toolkit::TObject*) { ++clicks; };
  platform::SendMessageA(form->Handle(), platform::WmLButtonDown, platform::MkLButton, platform::MakeLparam(15, 15));
  ASSERT_TRUE(button->Dragging());
  ASSERT_EQ(platform::GetCapture(), form->Handle());
  toolkit::TComponent::Free(button);
  EXPECT_EQ(platform::GetCapture(), 0u);
  platform::SendMessageA(form->Handle(), platform::WmMouseMove, platform::MkLButton, platform::MakeLparam(16, 16));
  platform::SendMessageA(form->Handle(), platform::WmLButtonUp, 0, platform::MakeLparam(16, 16));
  EXPECT_EQ(clicks, 0);
}

}  // namespace
