// What the shell reports about the icon: the mouse table, the menu sequence
// and the answers of the hidden window.
#include <string>
#include <vector>

#include "TrayIconFixture.h"
#include "platform/messages.h"
#include "toolkit/forms/Menus.h"

namespace {

using muralto::TStCustomTrayIcon;
using traytest::TrayIconTest;

std::string ButtonName(toolkit::TMouseButton b) {
  return b == toolkit::TMouseButton::mbLeft ? "left" : b == toolkit::TMouseButton::mbRight ? "right" : "middle";
}

TEST_F(TrayIconTest, EveryMouseMessageOfTheCallbackDoesWhatItsRowSays) {
  struct Row {
    std::uint32_t lParam;
    const char* events;  // OnClick and OnDblClick as they were raised
    bool restores;
    bool menu;
  } const rows[] = {
      {0x200, "", false, false},               // move
      {0x201, "click left;", false, false},    // left down
      {0x202, "", false, false},               // left up
      {0x203, "double left;", true, false},    // left double-click
      {0x204, "", false, true},                // right down: the menu
      {0x205, "", false, false},               // right up
      {0x206, "double right;", true, false},   // right double-click
      {0x207, "click middle;", false, false},  // middle down
      {0x208, "", false, false},               // middle up
      {0x209, "double middle;", true, false},  // middle double-click
  };
  std::string events;
  MakeIcon([&](TStCustomTrayIcon* icon) {
    icon->OnClick = [&](toolkit::TObject* sender, toolkit::TMouseButton b, toolkit::TShiftState) {
      EXPECT_EQ(sender, tray);
      events += "click " + ButtonName(b) + ";";
    };
    icon->OnDblClick = [&](toolkit::TObject*, toolkit::TMouseButton b, toolkit::TShiftState, bool& restoreApp) {
      EXPECT_TRUE(restoreApp);
      events += "double " + ButtonName(b) + ";";
    };
  });
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "lParam 0x" << std::hex << row.lParam);
    form->Hide();
    events.clear();
    sim::PopupCalls().clear();
    Notify(row.lParam);
    EXPECT_EQ(events, row.events);
    EXPECT_EQ(FormVisible(), row.restores);
    EXPECT_EQ(sim::PopupCalls().size(), row.menu ? 1u : 0u);
  }
}

TEST_F(TrayIconTest, ADoubleClickHandlerMayKeepTheApplicationHidden) {
  MakeIcon([](TStCustomTrayIcon* icon) {
    icon->OnDblClick = [](toolkit::TObject*, toolkit::TMouseButton, toolkit::TShiftState, bool& restoreApp) {
      restoreApp = false;
    };
  });
  form->Hide();
  Notify(platform::WmLButtonDblClk);
  EXPECT_FALSE(FormVisible());
}

// A window that notes when a message posted to it is dispatched.
struct Marker {
  static inline std::vector<std::string>* log = nullptr;
  static platform::Lresult MURALTO_WINAPI Proc(platform::Hwnd w, std::uint32_t m, platform::Wparam wp,
                                               platform::Lparam lp) {
    if (m == platform::WmUser + 7 && log) {
      log->push_back(
          "pending message, foreground " +
          std::string(platform::GetForegroundWindow() == toolkit::Application()->Handle() ? "app" : "other") +
          ", menus shown " + std::to_string(sim::PopupCalls().size()));
      sim::SetCursorPos(300, 200);  // the menu must open where the cursor is now
      return 0;
    }
    return platform::DefWindowProcA(w, m, wp, lp);
  }
};

TEST_F(TrayIconTest, TheMenuOpensAtTheCursorAfterTheProgramCameForwardAndCaughtUp) {
  auto* menu = toolkit::TComponent::Create<toolkit::TPopupMenu>(form);
  auto* item = toolkit::TComponent::Create<toolkit::TMenuItem>(menu);
  item->SetCaption("Item");
  int clicks = 0;
  item->OnClick = [&](toolkit::TObject*) { ++clicks; };
  menu->Items()->Add(item);
  MakeIcon([&](TStCustomTrayIcon* icon) { icon->SetPopupMenu(menu); });

  std::vector<std::string> log;
  Marker::log = &log;
  platform::WndClass wc;
  wc.proc = Marker::Proc;
  wc.className = "TrayTestMarker";
  platform::RegisterClassA(&wc);
  platform::Hwnd marker = platform::CreateWindowExA(0, "TrayTestMarker", "", platform::WsPopup, 0, 0, 0, 0, 0, 0);
  platform::SetForegroundWindow(marker);
  sim::SetCursorPos(10, 10);
  sim::SetPopupChoice(item->Command());
  // The callback comes first in the queue, the other message after it.
  platform::PostMessageA(tray->NotifyWindow(), TStCustomTrayIcon::CallbackMessage, 2, platform::WmRButtonDown);
  platform::PostMessageA(marker, platform::WmUser + 7, 0, 0);
  sim::DispatchPending();
  Marker::log = nullptr;

  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], "pending message, foreground app, menus shown 0");
  ASSERT_EQ(sim::PopupCalls().size(), 1u);
  EXPECT_EQ(sim::PopupCalls()[0].menu, menu->Handle());
  EXPECT_EQ(sim::PopupCalls()[0].x, 300);
  EXPECT_EQ(sim::PopupCalls()[0].y, 200);
  EXPECT_EQ(clicks, 1);
}

TEST_F(TrayIconTest, ARightPressAfterTheMenuWasDestroyedDoesNothing) {
  auto* menu = toolkit::TComponent::Create<toolkit::TPopupMenu>(form);
  MakeIcon([&](TStCustomTrayIcon* icon) { icon->SetPopupMenu(menu); });
  toolkit::TComponent::Free(menu);
  EXPECT_EQ(tray->PopupMenu(), nullptr);
  Notify(platform::WmRButtonDown);
  EXPECT_TRUE(sim::PopupCalls().empty());
  EXPECT_TRUE(sim::MessageBoxes().empty());
}

TEST_F(TrayIconTest, AQuitPendingWhenTheMenuIsAskedForReachesTheLoopBeneathAndOpensNoMenu) {
  MakeIcon();
  // The callback comes through a loop of the system's own (a message box's,
  // behind which the icon works), which ends at the quit and knows nothing
  // of the application's flag.
  platform::PostMessageA(tray->NotifyWindow(), TStCustomTrayIcon::CallbackMessage, 2, platform::WmRButtonDown);
  platform::PostQuitMessage(0);
  sim::DispatchPending();
  platform::Msg msg;
  EXPECT_TRUE(platform::PeekMessageA(&msg, 0, 0, 0, platform::PmNoRemove) && msg.message == platform::WmQuit);
  EXPECT_TRUE(app->Terminated());
  EXPECT_TRUE(sim::PopupCalls().empty()) << "no menu for a program that ends";
}

TEST_F(TrayIconTest, TheHiddenWindowAnswersOnlyTheLogOffQuery) {
  MakeIcon();
  platform::Hwnd w = tray->NotifyWindow();
  EXPECT_EQ(platform::SendMessageA(w, 0x11, 0, 0), 1) << "WM_QUERYENDSESSION";
  EXPECT_EQ(platform::SendMessageA(w, TStCustomTrayIcon::CallbackMessage, 2, platform::WmLButtonDown), 0);
  EXPECT_EQ(platform::SendMessageA(w, platform::WmUser + 1, 0, 0), 0);
}

TEST_F(TrayIconTest, AFailingHandlerReachesTheFailureDisplay) {
  MakeIcon([](TStCustomTrayIcon* icon) {
    icon->OnClick = [](toolkit::TObject*, toolkit::TMouseButton, toolkit::TShiftState) {
      throw toolkit::Exception("clicked badly");
    };
  });
  Notify(platform::WmLButtonDown);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"clicked badly."});
}

}  // namespace
