// Where the activation and the keyboard focus go when the active or focused
// window is hidden, minimised, disabled or destroyed, checked as the
// sequence of messages the windows receive: the window losing the
// activation is told (caption first), then the one taking it, whose default
// handling takes the focus from where it was; owned windows go before their
// owner, and the activation leaves a window before it is told it is
// destroyed.
#include "WindowSuite.h"
#include "contract/ContractChecks.h"
#include "platform/messages.h"

namespace {

using windowsuite::Step;
using windowsuite::Window;
using windowsuite::WindowSuite;
using windowsuite::WmNcActivate;
using namespace platform;

const std::vector<std::uint32_t> kFocus{WmNcActivate, WmActivate, WmKillFocus, WmSetFocus,
                                        WmEnable,     WmDestroy,  WmNcDestroy};

// The activation going from one window to another, whose default handling
// takes the focus from where it was.
std::vector<Step> Handover(Hwnd from, Hwnd to, Hwnd focus) {
  return {{from, WmNcActivate, 0},    {from, WmActivate, WaInactive}, {to, WmNcActivate, 1},
          {to, WmActivate, WaActive}, {focus, WmKillFocus},           {to, WmSetFocus}};
}

// A window in front with the focus on its child, another behind it.
struct Desk {
  Window behind{"Behind", WsOverlapped | WsCaption | WsVisible};
  Window front{"Front", WsOverlapped | WsCaption | WsVisible};
  Window child{"child", WsChild | WsVisible, front.h};
  Desk() {
    SetForegroundWindow(behind.h);
    SetForegroundWindow(front.h);
    SetFocus(child.h);
    windowsuite::Log().clear();
  }
};

TEST_F(WindowSuite, TheActiveWindowHiddenOrMinimisedHandsTheActivationToTheNextWindow) {
  {
    Desk desk;
    ShowWindow(desk.front.h, SwHide);
    windowsuite::ExpectSequence(Handover(desk.front.h, desk.behind.h, desk.child.h), kFocus, "hidden");
    EXPECT_EQ(GetForegroundWindow(), desk.behind.h);
    EXPECT_EQ(GetFocus(), desk.behind.h);
  }
  Desk desk;
  ShowWindow(desk.front.h, SwMinimize);
  const bool handedOn = windowsuite::Received(kFocus) == Handover(desk.front.h, desk.behind.h, desk.child.h) &&
                        GetForegroundWindow() == desk.behind.h && GetFocus() == desk.behind.h;
  const bool kept =
      windowsuite::Received(kFocus).empty() && GetForegroundWindow() == desk.front.h && GetFocus() == desk.child.h;
  contract::KnownWineDeviation(handedOn, kept, "a minimised window keeps the activation and its child the focus");
}

TEST_F(WindowSuite, AFocusedChildHiddenGivesTheFocusToItsParentADisabledOneLosesIt) {
  Desk desk;
  ShowWindow(desk.child.h, SwHide);
  windowsuite::ExpectSequence({{desk.child.h, WmKillFocus}, {desk.front.h, WmSetFocus}}, kFocus, "hidden");
  SetFocus(desk.child.h);
  windowsuite::Log().clear();
  EnableWindow(desk.child.h, false);
  windowsuite::ExpectSequence({{desk.child.h, WmKillFocus}, {desk.child.h, WmEnable, 0}}, kFocus, "disabled");
  EXPECT_EQ(GetFocus(), 0u);
  EXPECT_EQ(GetForegroundWindow(), desk.front.h) << "still active";
}

TEST_F(WindowSuite, AnActiveOwnedWindowDestroyedHandsTheActivationToItsOwnerBeforeItIsTold) {
  Desk desk;
  Window owned("Owned", WsPopup | WsCaption | WsVisible, desk.front.h);
  SetForegroundWindow(owned.h);
  windowsuite::Log().clear();
  const Hwnd gone = owned.h;
  DestroyWindow(gone);
  std::vector<Step> expected = Handover(gone, desk.front.h, gone);
  expected.insert(expected.end(), {{gone, WmDestroy}, {gone, WmNcDestroy}});
  windowsuite::ExpectSequence(expected, kFocus, "closed");
  EXPECT_EQ(GetForegroundWindow(), desk.front.h);
}

// The owner's own windows go first, the active one handing the activation
// on past its hidden owner; then the owner is told.
TEST_F(WindowSuite, AnOwnerDestroyedTakesItsOwnedWindowsFirst) {
  Desk desk;
  Window owned("Owned", WsPopup | WsCaption | WsVisible, desk.front.h);
  SetForegroundWindow(owned.h);
  windowsuite::Log().clear();
  const Hwnd owner = desk.front.h, gone = owned.h, child = desk.child.h;
  DestroyWindow(owner);
  std::vector<Step> expected = Handover(gone, desk.behind.h, gone);
  expected.insert(expected.end(), {{gone, WmDestroy},
                                   {gone, WmNcDestroy},
                                   {owner, WmDestroy},
                                   {child, WmDestroy},
                                   {child, WmNcDestroy},
                                   {owner, WmNcDestroy}});
  windowsuite::ExpectSequence(expected, kFocus, "owner closed");
  EXPECT_EQ(GetForegroundWindow(), desk.behind.h);
}

}  // namespace
