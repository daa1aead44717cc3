// The main window's notification-area icon: how the window sets it up, the
// minimise into the notification area, the close box and the tray menu.
#include <cstring>
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "platform/dialogs.h"
#include "platform/sim/tray_world.h"
#include "shell/TrayIcon.h"
#include "support/Probe.h"
#include "toolkit/controls/Button.h"
#include "toolkit/forms/Menus.h"

namespace {

using apptest::MainFormTest;
using muralto::TStCustomTrayIcon;

class TrayMenuTest : public MainFormTest {
 protected:
  void WriteTraySetting(bool on) {
    machine.WriteFile(apptest::MainIni,
                      "[Options]\r\nLanguage=English\r\nAuto Start=0\r\ntray=" + std::string(on ? "1" : "0") +
                          "\r\nSelection=1\r\nPosition=0\r\n[Pause]\r\nHour=1\r\nMin=0\r\nSec=0\r\n");
  }
  void Notify(std::uint32_t mouseMessage) {
    platform::PostMessageA(form->TrayIcon->NotifyWindow(), TStCustomTrayIcon::CallbackMessage, 2,
                           static_cast<platform::Lparam>(mouseMessage));
    sim::DispatchPending();
  }
  // Chooses the tray menu's item on the next right-button press.
  void ChooseOnRightPress(const char* itemName) {
    auto* item = dynamic_cast<toolkit::TMenuItem*>(form->FindComponent(itemName));
    ASSERT_NE(item, nullptr) << itemName;
    sim::SetPopupChoice(item->Command());
    Notify(platform::WmRButtonDown);
  }
  bool Visible() { return platform::IsWindowVisible(form->Handle()); }
  static std::string Tip(const platform::NotifyIconData& record) {
    return std::string(record.szTip, strnlen(record.szTip, sizeof(record.szTip)));
  }
};

TEST_F(TrayMenuTest, TheIconIsSetUpFromTheLayoutAndTheTraySetting) {
  struct Row {
    bool tray;
    std::vector<std::uint32_t> messages;
    std::size_t iconsAfter;
  } const rows[] = {
      {true, {platform::NimAdd, platform::NimModify}, 1},
      {false, {platform::NimAdd, platform::NimModify, platform::NimDelete}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.tray ? "tray=1" : "tray=0");
    machine.Restart();
    WriteTraySetting(row.tray);
    Start();
    // Its settings from the layout and the set-up: tests/data/layouts/main.txt.
    EXPECT_EQ(form->TrayIcon->Active(), row.tray);
    std::vector<std::uint32_t> messages;
    for (const auto& call : sim::NotifyCalls()) messages.push_back(call.message);
    EXPECT_EQ(messages, row.messages);
    // Shown while the window loads with the program icon and no tip; the
    // set-up then gives it the window's caption (the loading's second
    // handing of the same picture is not sent).
    ASSERT_GE(sim::NotifyCalls().size(), 2u);
    EXPECT_EQ(sim::NotifyCalls()[0].record.hIcon, form->Icon());
    EXPECT_EQ(Tip(sim::NotifyCalls()[0].record), "");
    EXPECT_EQ(Tip(sim::NotifyCalls()[1].record), "Muralto 1.2");
    EXPECT_EQ(sim::TrayIcons().size(), row.iconsAfter);
    app.reset();
  }
}

TEST_F(TrayMenuTest, MinimisingHidesIntoTheIconOnlyWithTheTraySettingOn) {
  for (bool tray : {true, false}) {
    SCOPED_TRACE(tray ? "tray=1" : "tray=0");
    machine.Restart();
    WriteTraySetting(tray);
    Start();
    form->Show();
    platform::Rect before;
    probe::GetWindowRect(form->Handle(), &before);
    platform::SendMessageA(form->Handle(), platform::WmSysCommand, platform::ScMinimize, 0);
    if (tray) {
      EXPECT_FALSE(Visible());
      EXPECT_FALSE(platform::IsIconic(form->Handle()));
      EXPECT_EQ(form->WindowState(), toolkit::TWindowState::wsNormal);
      EXPECT_EQ(sim::TrayIcons().size(), 1u);
      Notify(platform::WmLButtonDblClk);
      EXPECT_TRUE(Visible());
      platform::Rect after;
      probe::GetWindowRect(form->Handle(), &after);
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.top, before.top);
      EXPECT_EQ(after.right, before.right);
      EXPECT_EQ(after.bottom, before.bottom);
    } else {
      EXPECT_TRUE(platform::IsIconic(form->Handle())) << "an ordinary minimise to the taskbar";
      EXPECT_TRUE(sim::TrayIcons().empty());
    }
    app.reset();
  }
}

TEST_F(TrayMenuTest, TheCloseBoxSavesEndsTheProgramAndTakesTheIconAway) {
  WriteTraySetting(true);
  Start();
  form->Show();
  machine.Remove(apptest::FolderList);
  platform::SendMessageA(form->Handle(), platform::WmSysCommand, platform::ScClose, 0);
  EXPECT_TRUE(app->Terminated());
  EXPECT_TRUE(machine.Exists(apptest::FolderList)) << "the close saved the folder list";
  app.reset();
  EXPECT_TRUE(sim::TrayIcons().empty());
  EXPECT_EQ(sim::NotifyCalls().back().message, platform::NimDelete);
}

TEST_F(TrayMenuTest, TheTrayMenuItemsWork) {
  machine.MakeDir("C:\\Pics");
  MakePicture("C:\\Pics\\a.bmp", 10);
  MakePicture("C:\\Pics\\b.bmp", 20);
  WriteFolderList("C:\\Pics");
  WriteTraySetting(true);
  Start();
  form->Show();
  platform::SendMessageA(form->Handle(), platform::WmSysCommand, platform::ScMinimize, 0);
  ASSERT_FALSE(Visible());

  ChooseOnRightPress("PMChange");
  ASSERT_EQ(sim::WallpaperCalls().size(), 1u) << "Change Now picks at once";
  EXPECT_TRUE(machine.Exists(apptest::WallpaperFile));
  EXPECT_FALSE(Visible());

  ChooseOnRightPress("PRestore");
  EXPECT_TRUE(Visible());
  EXPECT_EQ(platform::GetForegroundWindow(), form->Handle());

  machine.Remove(apptest::MainIni);
  ChooseOnRightPress("PExit");
  EXPECT_TRUE(app->Terminated());
  EXPECT_TRUE(machine.Exists(apptest::MainIni)) << "Exit saved the settings";
  app.reset();
  EXPECT_TRUE(sim::TrayIcons().empty());
}

// What the foreground window was when the menu's loop first went idle; and,
// in the second run, the user clicks another program then.
platform::WndProc applicationProc = nullptr;
platform::Hwnd frontInMenu = 0;
bool userGoesElsewhere = false;
platform::Lresult MURALTO_WINAPI WatchMenuLoop(platform::Hwnd window, std::uint32_t msg, platform::Wparam wParam,
                                               platform::Lparam lParam) {
  if (msg == platform::WmEnterIdle) {
    frontInMenu = platform::GetForegroundWindow();
    if (userGoesElsewhere) {
      sim::ActivateOtherProgram();
      platform::PostMessageA(window, platform::WmCancelMode, 0, 0);
    }
  }
  return platform::CallWindowProcA(applicationProc, window, msg, wParam, lParam);
}

// The hidden application window is in front while the menu is open, so that
// a click elsewhere closes it; once it has closed, chosen or not, the shown
// window has the keyboard again, the focus where it was, unless that click
// went to another program, which keeps the foreground.
TEST_F(TrayMenuTest, OnceTheMenuClosesTheShownWindowHasTheKeyboardAgain) {
  WriteTraySetting(true);
  Start();
  form->Show();
  form->ButtonClear->SetFocus();
  applicationProc = reinterpret_cast<platform::WndProc>(
      platform::SetWindowLongA(app->Handle(), platform::GwlWndProc, reinterpret_cast<std::intptr_t>(WatchMenuLoop)));
  for (const char* item : {"", "PMChange", "PMShowIcons", "elsewhere"}) {
    SCOPED_TRACE(item);
    frontInMenu = 0;
    userGoesElsewhere = std::string(item) == "elsewhere";
    if (*item && !userGoesElsewhere) {
      ChooseOnRightPress(item);
    } else {
      Notify(platform::WmRButtonDown);
    }
    EXPECT_EQ(frontInMenu, app->Handle());
    EXPECT_EQ(platform::GetForegroundWindow(), userGoesElsewhere ? 0u : form->Handle());
    if (!userGoesElsewhere) {
      EXPECT_EQ(platform::GetFocus(), form->ButtonClear->Handle());
    }
  }
  // Behind an open failure box, the box is what has the keyboard again.
  userGoesElsewhere = false;
  platform::SetForegroundWindow(form->Handle());
  platform::Hwnd box = 0, front = 0;
  sim::SetMessageBoxHandler([&](const sim::MessageBoxCall&) {
    box = platform::GetForegroundWindow();
    Notify(platform::WmRButtonDown);
    front = platform::GetForegroundWindow();
    return platform::IdOk;
  });
  app->ShowException("Cannot open file C:\\a.jpg");
  EXPECT_NE(box, form->Handle());
  EXPECT_EQ(front, box);
}

TEST_F(TrayMenuTest, AHiddenStartIsReachedThroughTheIconAlsoWhenTheTaskbarComesAfterIt) {
  for (bool taskbarLate : {false, true}) {
    SCOPED_TRACE(taskbarLate ? "started at logon before the taskbar" : "the taskbar is there");
    machine.Restart();
    if (taskbarLate) sim::StopTaskbar();
    WriteTraySetting(true);
    Start("C:\\Muralto\\Muralto.exe -a");
    form->HandleNeeded();
    EXPECT_TRUE(sim::MessageBoxes().empty());
    EXPECT_TRUE(form->running) << "the set-up ran to its end: hidden and rotating";
    EXPECT_FALSE(Visible());
    EXPECT_TRUE(form->TrayIcon->Active());
    EXPECT_EQ(sim::TrayIcons().size(), taskbarLate ? 0u : 1u);
    if (taskbarLate) sim::RestartTaskbar();
    EXPECT_EQ(sim::TrayIcons().size(), 1u);
    Notify(platform::WmLButtonDblClk);
    EXPECT_TRUE(Visible());
    app.reset();
  }
}

}  // namespace
