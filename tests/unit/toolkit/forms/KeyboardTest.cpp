// The keyboard in a form: Tab and Shift+Tab through the tab order, landing on
// a radio group's chosen button; the arrows between a group's buttons, each
// move a click; the space bar on a list view's check box a click as well;
// the focus back where it was when the form is activated again.
#include <gtest/gtest.h>

#include <functional>

#include "platform/commctrl.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/GroupButton.h"
#include "toolkit/controls/ListView.h"
#include "toolkit/controls/RadioGroup.h"

namespace {

class KeyboardTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    before = AddButton("before", 0);
    group = toolkit::TComponent::Create<toolkit::TRadioGroup>(form);
    group->SetBounds(10, 40, 113, 73);
    group->SetItems({"Centered", "Stretched", "Tiled"});
    group->SetTabOrder(1);
    group->SetParent(form);
    group->OnClick = [this](toolkit::TObject*) { clicks.push_back(group->ItemIndex()); };
    after = AddButton("after", 2);
  }
  // A key press as the system delivers it: posted to the focused window and
  // taken from the queue by the application's loop.
  void Press(int vk, bool shift = false) {
    sim::SetKeyDown(platform::VkShift, shift);
    platform::PostMessageA(platform::GetFocus(), platform::WmKeyDown, static_cast<platform::Wparam>(vk), 0);
    app->ProcessMessages();
    sim::SetKeyDown(platform::VkShift, false);
  }
  platform::Hwnd Item(int index) { return group->Buttons(index)->Handle(); }

  toolkit::TButton* before = nullptr;
  toolkit::TRadioGroup* group = nullptr;
  toolkit::TButton* after = nullptr;
  std::vector<int> clicks;
};

TEST_F(KeyboardTest, TabLandsOnTheChosenItemAndLeavesTheGroupWithTheNextTab) {
  group->SetItemIndex(2);
  clicks.clear();
  form->Show();
  ASSERT_EQ(platform::GetFocus(), before->Handle());
  Press(platform::VkTab);
  EXPECT_EQ(platform::GetFocus(), Item(2)) << "the chosen item, not the box";
  Press(platform::VkTab);
  EXPECT_EQ(platform::GetFocus(), after->Handle());
  Press(platform::VkTab, true);
  EXPECT_EQ(platform::GetFocus(), Item(2)) << "Shift+Tab back into the group";
  Press(platform::VkTab, true);
  EXPECT_EQ(platform::GetFocus(), before->Handle());
  EXPECT_TRUE(clicks.empty()) << "passing through chooses nothing new";
}

TEST_F(KeyboardTest, AGroupWithoutAChoiceIsEnteredAtItsFirstItemWhichGetsChosen) {
  form->Show();
  Press(platform::VkTab);
  EXPECT_EQ(platform::GetFocus(), Item(0));
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_EQ(clicks, std::vector<int>{0});
}

TEST_F(KeyboardTest, ArrowsMoveTheChoiceRoundTheGroupAndClickEachMove) {
  struct Row {
    int from;
    int key;
    int to;
  } rows[] = {
      {0, platform::VkDown, 1}, {1, platform::VkRight, 2},
      {2, platform::VkDown, 0},  // round from the last to the first
      {0, platform::VkUp, 2},    // and back
      {2, platform::VkLeft, 1},
  };
  group->SetItemIndex(0);
  form->Show();
  Press(platform::VkTab);
  for (const Row& row : rows) {
    ASSERT_EQ(platform::GetFocus(), Item(row.from)) << row.from << " key " << row.key;
    clicks.clear();
    Press(row.key);
    EXPECT_EQ(platform::GetFocus(), Item(row.to)) << row.from << " key " << row.key;
    EXPECT_EQ(group->ItemIndex(), row.to) << row.from << " key " << row.key;
    EXPECT_EQ(clicks, std::vector<int>{row.to}) << row.from << " key " << row.key;
    EXPECT_EQ(platform::SendMessageA(Item(row.to), platform::BmGetCheck, 0, 0), platform::BstChecked);
  }
  Press(platform::VkTab);
  EXPECT_EQ(platform::GetFocus(), after->Handle()) << "the group's place in the tab order is its new choice";
  Press(platform::VkTab, true);
  EXPECT_EQ(platform::GetFocus(), Item(1));
}

TEST_F(KeyboardTest, AfterAClickOnAnItemTabMovesOn) {
  group->SetItemIndex(0);
  form->Show();
  clicks.clear();
  platform::SendMessageA(Item(1), platform::WmLButtonDown, platform::MkLButton, 0);
  EXPECT_EQ(platform::GetFocus(), Item(1));
  EXPECT_TRUE(clicks.empty()) << "the release chooses, not the press";
  platform::SendMessageA(Item(1), platform::WmLButtonUp, 0, 0);
  EXPECT_EQ(clicks, std::vector<int>{1});
  Press(platform::VkTab);
  EXPECT_EQ(platform::GetFocus(), after->Handle());
}

// The list view ticks the focused item itself; as with Windows' own list
// view, a key is no click (only the mouse raises OnClick).
TEST_F(KeyboardTest, SpaceTogglesTheFocusedListItemsCheckBoxWithoutAClick) {
  auto* list = toolkit::TComponent::Create<toolkit::TListView>(form);
  list->SetCheckboxes(true);
  list->SetTabOrder(3);
  list->SetParent(form);
  list->Items().Add()->SetCaption("C:\\A");
  list->Items().Add()->SetCaption("C:\\B");
  int listClicks = 0;
  list->OnClick = [&](toolkit::TObject*) { ++listClicks; };
  form->Show();
  list->SetFocus();
  Press(platform::VkSpace);
  EXPECT_EQ(listClicks, 0) << "no item has the focus: nothing ticked, no click";
  sim::ClickListViewItem(list->Handle(), 1, false);
  listClicks = 0;
  Press(platform::VkSpace);
  EXPECT_TRUE(list->Items().Item(1)->Checked());
  EXPECT_FALSE(list->Items().Item(0)->Checked());
  Press(platform::VkSpace);
  EXPECT_FALSE(list->Items().Item(1)->Checked());
  Press(platform::VkDown);
  EXPECT_EQ(listClicks, 0) << "keys are no clicks";
}

// The user clicks the desktop, then the form's title bar: the focus goes
// back where it was, so Tab goes on from there.
TEST_F(KeyboardTest, ActivatedAgainTheFormGivesTheFocusBackWhereItWas) {
  struct Row {
    const char* name;
    std::function<platform::Hwnd()> focused;    // given the focus before the desktop click
    std::function<platform::Hwnd()> nextByTab;  // null: Tab stays with the form
  } rows[] = {
      {"a button", [&] { return after->Handle(); }, [&] { return before->Handle(); }},
      {"a group's chosen item", [&] { return Item(1); }, [&] { return after->Handle(); }},
      // The form's own key handler keeps getting the keys.
      {"the form itself", [&] { return form->Handle(); }, nullptr},
  };
  group->SetItemIndex(1);
  form->Show();
  for (const Row& row : rows) {
    platform::SetFocus(row.focused());
    sim::ActivateOtherProgram();
    ASSERT_EQ(platform::GetFocus(), 0u) << row.name;
    platform::SetForegroundWindow(form->Handle());
    EXPECT_EQ(platform::GetFocus(), row.focused()) << row.name;
    if (!row.nextByTab) continue;
    Press(platform::VkTab);
    EXPECT_EQ(platform::GetFocus(), row.nextByTab()) << row.name;
  }
  // A minimised window takes no focus when it is activated.
  after->SetFocus();
  sim::ActivateOtherProgram();
  platform::ShowWindow(form->Handle(), platform::SwMinimize);
  platform::SetForegroundWindow(form->Handle());
  EXPECT_EQ(platform::GetFocus(), 0u) << "minimised";
}

}  // namespace
