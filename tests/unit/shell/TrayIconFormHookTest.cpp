// The owner form's hook: the minimise and close diversion, the start-up
// hide of a form that starts minimised, and bringing the form back.
#include <string>
#include <vector>

#include "TrayIconFixture.h"
#include "platform/sim/dragdrop_world.h"
#include "shell/DropFiles.h"
#include "support/Probe.h"

namespace {

using muralto::TStCustomTrayIcon;
using traytest::TrayIconTest;

TEST_F(TrayIconTest, MinimiseAndCloseAreDivertedOnlyWhenAskedAndActive) {
  struct Row {
    const char* name;
    bool active, minimizeToTray, closeToTray;
    std::uint32_t command;
    bool diverted;
  } const rows[] = {
      {"minimise, asked", true, true, false, platform::ScMinimize, true},
      {"minimise, not asked", true, false, true, platform::ScMinimize, false},
      {"minimise, icon off", false, true, true, platform::ScMinimize, false},
      {"close, asked", true, false, true, platform::ScClose, true},
      {"close, not asked", true, true, false, platform::ScClose, false},
      {"close, icon off", false, true, true, platform::ScClose, false},
      // Only the exact command is diverted; the form's own handling takes
      // the one with extra bits as a minimise.
      {"minimise with extra bits", true, true, true, platform::ScMinimize | 2, false},
  };
  int closes = 0;
  form->OnClose = [&](toolkit::TObject*, toolkit::TCloseAction& action) {
    ++closes;
    action = toolkit::TCloseAction::caNone;  // keeps the program for the next row
  };
  MakeIcon();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    tray->SetActive(row.active);
    tray->SetMinimizeToTray(row.minimizeToTray);
    tray->SetCloseToTray(row.closeToTray);
    form->Show();
    platform::Rect before;
    probe::GetWindowRect(form->Handle(), &before);
    sim::ShowCalls().clear();
    closes = 0;
    SysCommand(row.command);
    if (row.diverted) {
      EXPECT_FALSE(FormVisible());
      EXPECT_FALSE(platform::IsIconic(form->Handle()));
      EXPECT_EQ(form->WindowState(), toolkit::TWindowState::wsNormal);
      EXPECT_EQ(closes, 0);
      EXPECT_TRUE(tray->IconInTray());
      ASSERT_GE(sim::ShowCalls().size(), 2u);
      EXPECT_EQ(sim::ShowCalls()[0].window, app->Handle());
      EXPECT_EQ(sim::ShowCalls()[0].command, platform::SwHide);
      EXPECT_EQ(sim::ShowCalls()[1].window, form->Handle());
      EXPECT_EQ(sim::ShowCalls()[1].command, platform::SwHide);
      // A double-click brings it back where it was, at its size.
      Notify(platform::WmLButtonDblClk);
      EXPECT_TRUE(FormVisible());
      platform::Rect after;
      probe::GetWindowRect(form->Handle(), &after);
      EXPECT_EQ(std::vector<int>({after.left, after.top, after.right, after.bottom}),
                std::vector<int>({before.left, before.top, before.right, before.bottom}));
    } else if (row.command == platform::ScClose) {
      EXPECT_EQ(closes, 1) << "the close goes on to the form";
      EXPECT_TRUE(FormVisible());
    } else {
      EXPECT_TRUE(platform::IsIconic(form->Handle())) << "an ordinary minimise";
    }
    platform::ShowWindow(form->Handle(), platform::SwRestore);
  }
}

TEST_F(TrayIconTest, TheCloseBoxWithCloseToTrayOffEndsTheProgramAndTheIconGoesWithIt) {
  MakeIcon([](TStCustomTrayIcon* icon) { icon->SetCloseToTray(false); });
  form->Show();
  SysCommand(platform::ScClose);
  EXPECT_TRUE(app->Terminated());
  EXPECT_EQ(sim::TrayIcons().size(), 1u);  // until the form and its icon are destroyed
  app.reset();
  EXPECT_TRUE(sim::TrayIcons().empty());
  EXPECT_EQ(sim::NotifyCalls().back().message, platform::NimDelete);
}

TEST_F(TrayIconTest, AMinimiseWhoseIconCannotBeAddedLeavesTheWindowShown) {
  MakeIcon([](TStCustomTrayIcon* icon) { icon->SetMinimizeToTray(true); });
  form->Show();
  tray->DeleteFromTray();  // Active, but the icon is not there
  sim::SetTrayRefuses(platform::NimAdd, true);
  SysCommand(platform::ScMinimize);
  EXPECT_TRUE(FormVisible());
  EXPECT_FALSE(platform::IsIconic(form->Handle()));
  EXPECT_FALSE(tray->IconInTray());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Error adding tray icon."});
}

TEST_F(TrayIconTest, OnMinimizeComesBeforeTheDiversionAndOnlyForMinimise) {
  std::vector<std::string> seen;
  MakeIcon([&](TStCustomTrayIcon* icon) {
    icon->SetMinimizeToTray(true);
    icon->OnMinimize = [&](toolkit::TObject*) { seen.push_back(FormVisible() ? "shown" : "hidden"); };
  });
  form->Show();
  SysCommand(platform::ScClose | 0);  // CloseToTray is on by default: diverted, no event
  EXPECT_TRUE(seen.empty());
  form->Show();
  SysCommand(platform::ScMinimize);
  EXPECT_EQ(seen, std::vector<std::string>{"shown"});
  tray->SetActive(false);  // raised even when nothing is diverted
  form->Show();
  SysCommand(platform::ScMinimize);
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(TrayIconTest, MinimizeApplicationHidesTheMainFormLikeTheMinimiseButton) {
  MakeIcon([](TStCustomTrayIcon* icon) { icon->SetMinimizeToTray(true); });
  form->Show();
  tray->MinimizeApplication();
  EXPECT_TRUE(FormVisible()) << "posted, not sent";
  sim::DispatchPending();
  EXPECT_FALSE(FormVisible());
  EXPECT_FALSE(platform::IsIconic(form->Handle()));
  EXPECT_TRUE(tray->IconInTray());
}

TEST_F(TrayIconTest, AFormThatStartsMinimisedVanishesDuringItsFirstTwoPositionChanges) {
  struct Row {
    const char* name;
    bool minimised;
    std::vector<std::uint8_t> counts;  // StartupPassCount after each change
    std::size_t hides;                 // SW_HIDE calls
  } const rows[] = {
      {"starts minimised", true, {1, 2, 2}, 4},
      {"starts normal", false, {2, 2, 2}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    form->SetWindowState(row.minimised ? toolkit::TWindowState::wsMinimized : toolkit::TWindowState::wsNormal);
    MakeIcon();
    EXPECT_EQ(tray->StartupPassCount(), 0);
    sim::ShowCalls().clear();
    std::vector<std::uint8_t> counts;
    for (int i = 0; i < 3; ++i) {
      platform::SendMessageA(form->Handle(), platform::WmWindowPosChanged, 0, 0);
      counts.push_back(tray->StartupPassCount());
    }
    EXPECT_EQ(counts, row.counts);
    std::size_t hides = 0;
    for (const auto& call : sim::ShowCalls()) hides += call.command == platform::SwHide;
    EXPECT_EQ(hides, row.hides);
    toolkit::TComponent::Free(tray);
  }
}

TEST_F(TrayIconTest, RestoringRaisesOnRestoreFirstAndShowsTheFormInFront) {
  std::vector<std::string> order;
  MakeIcon([&](TStCustomTrayIcon* icon) {
    icon->OnRestore = [&](toolkit::TObject*) {
      order.push_back(FormVisible() ? "OnRestore shown" : "OnRestore hidden");
    };
  });
  form->Hide();
  sim::ShowCalls().clear();
  sim::BringToTopCalls().clear();
  tray->RestoreApplication();
  EXPECT_EQ(order, std::vector<std::string>{"OnRestore hidden"});
  EXPECT_TRUE(FormVisible());
  EXPECT_EQ(platform::GetForegroundWindow(), form->Handle());
  ASSERT_FALSE(sim::ShowCalls().empty());
  EXPECT_EQ(sim::ShowCalls()[0].window, form->Handle());
  EXPECT_EQ(sim::ShowCalls()[0].command, platform::SwShowNormal);
  EXPECT_EQ(sim::BringToTopCalls(), std::vector<platform::Hwnd>{form->Handle()});
  EXPECT_TRUE(tray->IconInTray()) << "the icon stays";
  tray->SetHideOnRestore(true);
  tray->RestoreApplication();
  EXPECT_FALSE(tray->IconInTray());
  EXPECT_TRUE(sim::TrayIcons().empty());
}

TEST_F(TrayIconTest, RestoringAMinimisedFormMakesItNormalOnceTheStartUpIsOver) {
  MakeIcon();
  form->Show();
  platform::SendMessageA(form->Handle(), platform::WmWindowPosChanged, 0, 0);  // start-up over
  form->SetWindowState(toolkit::TWindowState::wsMinimized);
  ASSERT_TRUE(platform::IsIconic(form->Handle()));
  tray->RestoreApplication();
  EXPECT_EQ(form->WindowState(), toolkit::TWindowState::wsNormal);
  EXPECT_FALSE(platform::IsIconic(form->Handle()));
}

TEST_F(TrayIconTest, TheTrayHookAndADropTargetShareTheFormWindowAndLeaveInAnyOrder) {
  auto* drop = toolkit::TComponent::Create<muralto::TStDropFiles>(form);  // its target is the form
  std::vector<std::string> dropped;
  drop->OnDropFiles = [&](toolkit::TObject*, platform::Point) { dropped.push_back(drop->DroppedFiles().Strings(0)); };
  drop->Loaded();
  MakeIcon([](TStCustomTrayIcon* icon) { icon->SetMinimizeToTray(true); });
  ASSERT_FALSE(form->HandleAllocated());
  EXPECT_EQ(form->OnWindowCreated.Count(), 2u) << "both wait for the form's window";
  form->Show();
  EXPECT_EQ(form->OnWindowCreated.Count(), 0u) << "each left once the window came";
  EXPECT_TRUE(drop->Hooked());
  auto formProc = reinterpret_cast<std::intptr_t>(tray->SavedFormProc());
  ASSERT_NE(formProc, 0);
  sim::DropFiles(form->Handle(), {"C:\\One"}, {1, 1});
  sim::DispatchPending();
  EXPECT_EQ(dropped, std::vector<std::string>{"C:\\One"});
  // The older hook goes first: the newer one keeps working over the form.
  toolkit::TComponent::Free(drop);
  SysCommand(platform::ScMinimize);
  EXPECT_FALSE(FormVisible()) << "the minimise went into the notification area";
  toolkit::TComponent::Free(tray);
  EXPECT_EQ(platform::GetWindowLongA(form->Handle(), platform::GwlWndProc), formProc);
}

}  // namespace
