// Forms: outer size and placement, tab order, default and cancel buttons,
// edits' change events.
#include <gtest/gtest.h>

#include "platform/desktop.h"
#include "toolkit/GuiTest.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/Edit.h"

namespace {

class FormTest : public guitest::GuiTest {
 protected:
  void PressKey(platform::Hwnd window, int vk) {
    platform::PostMessageA(window, platform::WmKeyDown, static_cast<platform::Wparam>(vk), 0);
    platform::Msg msg;
    // The loop sees the key before the control does (dialog navigation).
    sim::SetIdleHandler(nullptr);
    while (platform::PeekMessageA(&msg, 0, 0, 0, platform::PmNoRemove)) app->HandleMessage();
  }
};

TEST_F(FormTest, ClientSizeGivesTheOuterSizeAndTheFirstShowCentresOnTheScreen) {
  form->SetBorderStyle(toolkit::TFormBorderStyle::bsSingle);
  form->SetBorderIcons(toolkit::biSystemMenu | toolkit::biMinimize);
  form->SetClientSize(386, 310);
  form->SetPosition(toolkit::TPosition::poScreenCenter);
  form->Show();
  platform::Rect client;
  ASSERT_TRUE(platform::GetClientRect(form->Handle(), &client));
  EXPECT_EQ(client.right, 386);
  EXPECT_EQ(client.bottom, 310);
  sim::WindowInfo info;
  ASSERT_TRUE(sim::GetWindowInfo(form->Handle(), &info));
  EXPECT_EQ(info.rect.left, (1024 - form->Width()) / 2);
  EXPECT_EQ(info.rect.top, (768 - form->Height()) / 2);
  EXPECT_TRUE(info.style & platform::WsMinimizeBox);
  EXPECT_FALSE(info.style & platform::WsMaximizeBox);
  EXPECT_FALSE(info.style & platform::WsThickFrame);
  EXPECT_EQ(platform::GetForegroundWindow(), form->Handle());
}

TEST_F(FormTest, TabMovesThroughTheControlsInTabOrder) {
  auto* third = AddButton("third", 2);
  auto* first = AddButton("first", 0);
  auto* second = AddButton("second", 1);
  second->SetEnabled(false);
  form->Show();
  EXPECT_EQ(platform::GetFocus(), first->Handle());
  PressKey(first->Handle(), platform::VkTab);
  EXPECT_EQ(platform::GetFocus(), third->Handle()) << "a disabled control is passed over";
  PressKey(third->Handle(), platform::VkTab);
  EXPECT_EQ(platform::GetFocus(), first->Handle()) << "round to the first again";
}

TEST_F(FormTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
  auto* edit = toolkit::TComponent::Create<toolkit::TEdit>(form);
  edit->SetParent(form);
  edit->SetTabOrder(0);
  auto* ok = AddButton("OK", 1);
  auto* cancel = AddButton("Cancel", 2);
  ok->SetDefault(true);
  cancel->SetCancel(true);
  std::vector<std::string> clicks;
  ok->OnClick = [&](toolkit::TObject*) { clicks.push_back("ok"); };
  cancel->OnClick = [&](toolkit::TObject*) { clicks.push_back("cancel"); };
  form->Show();
  PressKey(edit->Handle(), platform::VkReturn);
  PressKey(edit->Handle(), platform::VkEscape);
  EXPECT_EQ(clicks, (std::vector<std::string>{"ok", "cancel"}));
}

TEST_F(FormTest, AProgrammaticTextChangeRaisesOnChangeOnceAndTypingRaisesItPerKey) {
  auto* edit = toolkit::TComponent::Create<toolkit::TEdit>(form);
  edit->SetParent(form);
  std::vector<std::string> seen;
  edit->OnChange = [&](toolkit::TObject*) { seen.push_back(edit->Text()); };
  edit->SetText("x");  // without a window
  form->Show();
  edit->SetText("12");
  edit->SetText("12");
  edit->SelectAll();
  platform::SendMessageA(edit->Handle(), platform::WmChar, '7', 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"x", "12", "7"}));
}

TEST_F(FormTest, HideAndShowRaiseTheirEventsOnlyOnAChange) {
  int shows = 0, hides = 0;
  form->OnShow = [&](toolkit::TObject*) { ++shows; };
  form->OnHide = [&](toolkit::TObject*) { ++hides; };
  form->Show();
  form->Show();
  form->Hide();
  form->Hide();
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(hides, 1);
  EXPECT_FALSE(platform::IsWindowVisible(form->Handle()));
}

}  // namespace

TEST_F(FormTest, OnlyAFormWithAClassOfItsOwnHasTheClassCarryItsIcon) {
  struct Row {
    const char* name;
    const char* className;  // nullptr: the shared default class
    platform::Hicon classIcon;
  } const rows[] = {
      {"a class of its own", "TIconForm", 0x7001},
      {"the shared class", nullptr, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* other = toolkit::TComponent::Create<toolkit::TForm>(app.get());
    if (row.className) other->SetWindowClassName(row.className);
    other->SetIcon(0x7001);
    EXPECT_EQ(platform::GetClassIcon(other->Handle()), row.classIcon);
  }
}
