// The record the shell gets for every add, change and delete, and the
// icon's life in the notification area.
#include <cstring>
#include <vector>

#include "TrayIconFixture.h"
#include "toolkit/forms/Menus.h"

namespace {

using muralto::TStCustomTrayIcon;
using traytest::TrayIconTest;

TEST_F(TrayIconTest, LoadingShowsTheIconWithTheWholeRecord) {
  MakeIcon();
  ASSERT_EQ(sim::NotifyCalls().size(), 1u);
  const sim::NotifyCall& add = sim::NotifyCalls()[0];
  EXPECT_EQ(add.message, platform::NimAdd);
  EXPECT_EQ(add.record.cbSize, 88u);
  EXPECT_EQ(add.record.hWnd, tray->NotifyWindow());
  EXPECT_EQ(add.record.uID, 2u);
  EXPECT_EQ(add.record.uFlags, 7u);  // message, icon, tip
  EXPECT_EQ(add.record.uCallbackMessage, 0x6FFu);
  EXPECT_EQ(add.record.hIcon, sim::StockIconBase + 32512);  // no picture of its own: the system's
  char zeros[64] = {};
  EXPECT_EQ(std::memcmp(add.record.szTip, zeros, 64), 0);
  EXPECT_TRUE(tray->IconInTray());
  EXPECT_EQ(sim::TrayIcons().size(), 1u);
  // With an application window to hear the taskbar, the notification
  // window is message-only: no top-level window that a broadcast reaches.
  sim::WindowInfo info;
  ASSERT_TRUE(sim::GetWindowInfo(tray->NotifyWindow(), &info));
  EXPECT_TRUE(info.messageOnly);
  EXPECT_FALSE(info.visible);
}

TEST_F(TrayIconTest, TheIconSentFallsBackToTheProgramsAndThenTheSystems) {
  struct Row {
    const char* name;
    platform::Hicon own, application, expected;
  } const rows[] = {
      {"own picture first", 0x7001, 0x7002, 0x7001},
      {"then the application's", 0, 0x7002, 0x7002},
      {"then IDI_APPLICATION", 0, 0, sim::StockIconBase + 32512},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    app->SetIcon(row.application);
    MakeIcon([&](TStCustomTrayIcon* icon) { icon->SetIcon(row.own); });
    ASSERT_FALSE(sim::NotifyCalls().empty());
    EXPECT_EQ(sim::NotifyCalls()[0].record.hIcon, row.expected);
    toolkit::TComponent::Free(tray);
    sim::NotifyCalls().clear();
  }
}

TEST_F(TrayIconTest, TheTipIsCutAt63CharactersAndEndsInAZero) {
  struct Row {
    const char* name;
    std::string hint;
    std::string sent;
  } const rows[] = {
      {"short", "Muralto 1.2", "Muralto 1.2"},
      {"exactly 63", std::string(63, 'a'), std::string(63, 'a')},
      {"64 loses the last", std::string(63, 'b') + "c", std::string(63, 'b')},
      {"much longer", std::string(200, 'd'), std::string(63, 'd')},
  };
  MakeIcon();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    sim::NotifyCalls().clear();
    tray->SetHint(row.hint);
    ASSERT_EQ(sim::NotifyCalls().size(), 1u);
    const auto& record = sim::NotifyCalls()[0].record;
    EXPECT_EQ(sim::NotifyCalls()[0].message, platform::NimModify);
    EXPECT_EQ(std::string(record.szTip, row.sent.size()), row.sent);
    EXPECT_EQ(record.szTip[row.sent.size()], '\0');
    EXPECT_EQ(tray->Hint(), row.hint);  // the component keeps it whole
  }
}

TEST_F(TrayIconTest, WithoutShowHintTheRecordCarriesNoTip) {
  MakeIcon([](TStCustomTrayIcon* icon) {
    icon->SetShowHint(false);
    icon->SetHint("hidden");
  });
  ASSERT_EQ(sim::NotifyCalls().size(), 1u);
  EXPECT_EQ(sim::NotifyCalls()[0].record.uFlags, 3u);
  EXPECT_EQ(Tip(sim::NotifyCalls()[0].record), "");
  sim::NotifyCalls().clear();
  tray->SetHint("still hidden");  // no tip is shown, nothing to change
  EXPECT_TRUE(sim::NotifyCalls().empty());
}

TEST_F(TrayIconTest, ChangesThatAreNoChangesSendNothing) {
  MakeIcon([](TStCustomTrayIcon* icon) { icon->SetHint("tip"); });
  sim::NotifyCalls().clear();
  tray->SetHint("tip");
  tray->SetActive(true);
  tray->SetActive(true);
  tray->AddToTray();
  EXPECT_TRUE(sim::NotifyCalls().empty());
  tray->SetActive(false);
  tray->SetActive(false);
  tray->DeleteFromTray();
  ASSERT_EQ(sim::NotifyCalls().size(), 1u);  // one delete
  EXPECT_EQ(sim::NotifyCalls()[0].message, platform::NimDelete);
  EXPECT_EQ(sim::NotifyCalls()[0].record.uID, 2u);
}

TEST_F(TrayIconTest, LoadedShowsTheIconOnceAndSendsOnlyRealChanges) {
  MakeIcon([](TStCustomTrayIcon* icon) {
    icon->SetIcon(0x7001);
    EXPECT_TRUE(sim::NotifyCalls().empty()) << "nothing reaches the shell before loading";
  });
  ASSERT_EQ(sim::NotifyCalls().size(), 1u) << "the add carries the picture; the same again is not sent";
  EXPECT_EQ(sim::NotifyCalls()[0].message, platform::NimAdd);
  EXPECT_EQ(sim::NotifyCalls()[0].record.hIcon, 0x7001u);
  EXPECT_EQ(tray->ShownIcon(), 0x7001u);
  tray->SetIcon(0x7001);
  EXPECT_EQ(sim::NotifyCalls().size(), 1u);
  tray->SetIcon(0x7002);
  ASSERT_EQ(sim::NotifyCalls().size(), 2u);
  EXPECT_EQ(sim::NotifyCalls()[1].message, platform::NimModify);
  EXPECT_EQ(sim::NotifyCalls()[1].record.hIcon, 0x7002u);
  tray->SetIcon(0x7001);
  EXPECT_EQ(sim::NotifyCalls().size(), 3u) << "a picture back to the first one is a change too";
}

TEST_F(TrayIconTest, AnInactiveIconIsNotShownOnLoading) {
  MakeIcon([](TStCustomTrayIcon* icon) { icon->SetActive(false); });
  EXPECT_TRUE(sim::NotifyCalls().empty());
  EXPECT_FALSE(tray->IconInTray());
  EXPECT_EQ(tray->SavedFormProc(), nullptr);  // the hook comes with the first add
  tray->SetActive(true);
  EXPECT_TRUE(tray->IconInTray());
  EXPECT_EQ(tray->SavedFormProc(), nullptr) << "the form has no window yet";
  platform::Hwnd window = form->Handle();
  EXPECT_NE(tray->SavedFormProc(), nullptr);
  EXPECT_NE(platform::GetWindowLongA(window, platform::GwlWndProc),
            reinterpret_cast<std::intptr_t>(tray->SavedFormProc()));
}

TEST_F(TrayIconTest, LoadingLeavesTheFormWithoutAWindow) {
  // Other programs look for the form's window as the sign of a finished set-up.
  MakeIcon();
  EXPECT_FALSE(form->HandleAllocated());
  EXPECT_TRUE(tray->IconInTray());
}

TEST_F(TrayIconTest, DestroyingTheIconRemovesItAndGivesTheFormItsProcedureBack) {
  MakeIcon();
  platform::Hwnd window = form->Handle();
  auto hooked = platform::GetWindowLongA(window, platform::GwlWndProc);
  auto saved = reinterpret_cast<std::intptr_t>(tray->SavedFormProc());
  EXPECT_NE(hooked, saved);
  platform::Hwnd notifyWindow = tray->NotifyWindow();
  toolkit::TComponent::Free(tray);
  ASSERT_FALSE(sim::NotifyCalls().empty());
  EXPECT_EQ(sim::NotifyCalls().back().message, platform::NimDelete);
  EXPECT_TRUE(sim::TrayIcons().empty());
  EXPECT_FALSE(platform::IsWindow(notifyWindow));
  EXPECT_EQ(platform::GetWindowLongA(window, platform::GwlWndProc), saved);
  // The form goes on working without the icon: a minimise is a minimise.
  SysCommand(platform::ScMinimize);
  EXPECT_TRUE(platform::IsIconic(window));
}

TEST_F(TrayIconTest, TheTaskbarsAnnouncementBringsTheIconWhateverTheShellStillHolds) {
  using platform::NimAdd, platform::NimModify;
  struct Row {
    const char* name;
    bool upAtLoad;  // the taskbar is there when the icon loads
    void (*announce)();
    std::vector<std::uint32_t> sent;  // what the announcement makes the icon send
  } const rows[] = {
      {"the shell restarted and forgot the icon", true, sim::RestartTaskbar, {NimAdd}},
      // The add is refused: the icon is still there, and a change finds it.
      {"announced while the icon stays", true, sim::AnnounceTaskbar, {NimAdd, NimModify}},
      // A start at logon: loading is no failure, the icon comes with the bar.
      {"loaded before the taskbar", false, sim::RestartTaskbar, {NimAdd}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (!row.upAtLoad) sim::StopTaskbar();
    MakeIcon([](TStCustomTrayIcon* icon) {
      icon->SetHint("back");
      icon->SetMinimizeToTray(true);
    });
    EXPECT_EQ(tray->IconInTray(), row.upAtLoad);
    EXPECT_TRUE(tray->Active());
    sim::NotifyCalls().clear();
    row.announce();
    std::vector<std::uint32_t> sent;
    for (const auto& call : sim::NotifyCalls()) sent.push_back(call.message);
    EXPECT_EQ(sent, row.sent);
    ASSERT_EQ(sim::TrayIcons().size(), 1u);
    EXPECT_EQ(Tip(sim::TrayIcons()[0]), "back");
    EXPECT_TRUE(tray->IconInTray());
    // A later minimise hides into it; switching it off leaves none behind.
    form->Show();
    SysCommand(platform::ScMinimize);
    EXPECT_FALSE(FormVisible());
    tray->SetActive(false);
    EXPECT_TRUE(sim::TrayIcons().empty());
    EXPECT_TRUE(BoxTexts().empty());
    toolkit::TComponent::Free(tray);
  }
}

TEST_F(TrayIconTest, TheShellRestartingLeavesASwitchedOffIconAway) {
  MakeIcon();
  tray->SetActive(false);
  sim::NotifyCalls().clear();
  sim::RestartTaskbar();
  EXPECT_TRUE(sim::NotifyCalls().empty());
  EXPECT_TRUE(sim::TrayIcons().empty());
}

TEST_F(TrayIconTest, ASecondTrayIconInTheApplicationIsRefused) {
  MakeIcon();
  toolkit::TForm* other = nullptr;
  app->CreateForm(other);
  for (toolkit::TForm* owner : {form, other}) {
    try {
      toolkit::TComponent::Create<muralto::TStTrayIcon>(owner);
      ADD_FAILURE() << "a second icon was made";
    } catch (const muralto::ETrayIconError& e) {
      EXPECT_STREQ(e.what(), "Cannot have more than one StTrayIcon per application");
    }
  }
  EXPECT_EQ(sim::TrayIcons().size(), 1u);
}

TEST_F(TrayIconTest, TheBuiltInMenuHasCloseAndRestore) {
  MakeIcon();
  toolkit::TPopupMenu* menu = tray->BuiltInMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(tray->PopupMenu(), menu);
  auto items = sim::MenuItems(menu->Handle());
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].caption, "&Close");
  EXPECT_EQ(items[1].caption, "&Restore");

  form->Hide();
  sim::SetPopupChoice(menu->Items()->Items(1)->Command());
  Notify(platform::WmRButtonDown);
  EXPECT_TRUE(FormVisible()) << "&Restore";

  sim::SetPopupChoice(menu->Items()->Items(0)->Command());
  Notify(platform::WmRButtonDown);
  app->ProcessMessages();
  EXPECT_TRUE(app->Terminated()) << "&Close ends the message loop";
}

}  // namespace
