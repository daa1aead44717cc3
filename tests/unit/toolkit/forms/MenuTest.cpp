// Menus: the system's menu follows the items' captions and check marks.
#include <gtest/gtest.h>

#include "toolkit/GuiTest.h"
#include "toolkit/forms/Menus.h"

namespace {

class MenuTest : public guitest::GuiTest {
 protected:
  toolkit::TMenuItem* Item(toolkit::TMenuItem* parent, const char* caption) {
    auto* item = toolkit::TComponent::Create<toolkit::TMenuItem>(form);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  std::vector<std::string> Captions(platform::Hmenu menu) {
    std::vector<std::string> captions;
    for (const auto& item : sim::MenuItems(menu)) captions.push_back(item.caption);
    return captions;
  }
};

TEST_F(MenuTest, TheMenuBarFollowsCaptionsAndCheckMarks) {
  auto* bar = toolkit::TComponent::Create<toolkit::TMainMenu>(form);
  auto* settings = Item(bar->Items(), "Settings");
  auto* english = Item(settings, "English");
  auto* russian = Item(settings, "Russian");
  english->SetChecked(true);
  form->SetMenu(bar);
  form->Show();
  platform::Hmenu shown = platform::GetMenu(form->Handle());
  EXPECT_EQ(Captions(shown), std::vector<std::string>{"Settings"});
  russian->SetChecked(true);
  english->SetChecked(false);
  auto sub = sim::MenuItems(sim::MenuItems(platform::GetMenu(form->Handle()))[0].submenu);
  EXPECT_FALSE(sub[0].flags & platform::MfChecked);
  EXPECT_TRUE(sub[1].flags & platform::MfChecked);
  settings->SetCaption("Einstellungen");
  EXPECT_EQ(Captions(platform::GetMenu(form->Handle())), std::vector<std::string>{"Einstellungen"});
  int clicks = 0;
  russian->OnClick = [&](toolkit::TObject*) { ++clicks; };
  platform::SendMessageA(form->Handle(), platform::WmCommand, russian->Command(), 0);
  russian->SetEnabled(false);
  platform::SendMessageA(form->Handle(), platform::WmCommand, russian->Command(), 0);
  EXPECT_EQ(clicks, 1) << "a disabled item does not click";
}

TEST_F(MenuTest, AFreedMenuLeavesTheWindowWithoutOne) {
  auto* bar = toolkit::TComponent::Create<toolkit::TMainMenu>(form);
  Item(bar->Items(), "File");
  form->SetMenu(bar);
  form->Show();
  toolkit::TComponent::Free(bar);
  EXPECT_EQ(form->Menu(), nullptr);
  EXPECT_EQ(platform::GetMenu(form->Handle()), 0u);
}

TEST_F(MenuTest, AFreedItemNoLongerAnswersItsCommand) {
  auto* popup = toolkit::TComponent::Create<toolkit::TPopupMenu>(form);
  auto* item = Item(popup->Items(), "Exit");
  std::uint32_t command = item->Command();
  int clicks = 0;
  item->OnClick = [&](toolkit::TObject*) { ++clicks; };
  toolkit::TComponent::Free(item);
  EXPECT_EQ(popup->Items()->Count(), 0);
  form->Show();
  platform::SendMessageA(form->Handle(), platform::WmCommand, command, 0);
  EXPECT_EQ(clicks, 0);
}

}  // namespace
