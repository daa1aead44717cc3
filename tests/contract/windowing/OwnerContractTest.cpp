// Owners of top-level windows, as modal dialogs and boxes use them: an owner
// set after creation reads back, the owned window stays above its owner when
// the owner comes to the front, it goes when its owner is destroyed, and the
// owner remembers which of its windows was active last. And which windows
// can take the foreground at all.
#include "WindowSuite.h"
#include "contract/ContractChecks.h"
#include "platform/messages.h"
#include "platform/tray.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;

TEST_F(WindowSuite, AnOwnerSetLaterKeepsTheOwnedWindowAboveItAndTakesItAlong) {
  Window owner("Pair", WsOverlapped | WsCaption | WsVisible);
  Window owned("Pair", WsPopup | WsCaption);
  Window other("Other", WsOverlapped | WsCaption | WsVisible);
  EXPECT_EQ(GetWindowLongA(owned.h, GwlHwndParent), 0);
  EXPECT_EQ(SetWindowLongA(owned.h, GwlHwndParent, static_cast<std::intptr_t>(owner.h)), 0);
  EXPECT_EQ(GetWindowLongA(owned.h, GwlHwndParent), static_cast<std::intptr_t>(owner.h));
  ShowWindow(owned.h, SwShow);
  ASSERT_TRUE(SetForegroundWindow(other.h));
  ASSERT_TRUE(SetForegroundWindow(owner.h));
  EXPECT_EQ(FindWindowA(windowsuite::kClass, "Pair"), owned.h) << "the owner came forward below what it owns";
  ASSERT_TRUE(SetForegroundWindow(other.h));
  EXPECT_TRUE(SetWindowPos(owner.h, HwndTop, 0, 0, 0, 0, SwpNoMove | SwpNoSize | SwpNoActivate));
  EXPECT_EQ(FindWindowA(windowsuite::kClass, nullptr), owned.h) << "raised, what it owns above it";
  EXPECT_EQ(GetForegroundWindow(), other.h) << "raised without the activation";
  DestroyWindow(owner.h);
  EXPECT_FALSE(IsWindow(owned.h));
}

TEST_F(WindowSuite, TheOwnerRemembersWhichOfItsWindowsWasActiveLast) {
  Window owner("Owner", WsOverlapped | WsCaption | WsVisible);
  Window owned("Owned", WsPopup | WsCaption | WsVisible, owner.h);
  Window other("Other", WsOverlapped | WsCaption | WsVisible);
  ASSERT_TRUE(SetForegroundWindow(owner.h));
  EXPECT_EQ(GetLastActivePopup(owner.h), owner.h);
  ASSERT_TRUE(SetForegroundWindow(owned.h));
  ASSERT_TRUE(SetForegroundWindow(other.h));
  EXPECT_EQ(GetLastActivePopup(owner.h), owned.h) << "also while another window is active";
  EXPECT_EQ(GetLastActivePopup(other.h), other.h) << "it owns none";
  DestroyWindow(owned.h);
  EXPECT_EQ(GetLastActivePopup(owner.h), owner.h) << "once that window is gone";
}

// What a program's hidden stand-in window relies on: it can be made the
// foreground window, showing nothing; a message-only window never is.
TEST_F(WindowSuite, AHiddenWindowCanTakeTheForegroundAMessageOnlyWindowCannot) {
  Window shown("Shown", WsOverlapped | WsCaption | WsVisible);
  Window hidden("Hidden", WsPopup | WsCaption);
  Window messageOnly("Message-only", WsPopup, HwndMessage);
  ASSERT_TRUE(SetForegroundWindow(shown.h));
  const bool taken = SetForegroundWindow(messageOnly.h);
  contract::KnownWineDeviation(!taken && GetForegroundWindow() == shown.h,
                               taken && GetForegroundWindow() == messageOnly.h,
                               "a message-only window is refused the foreground");
  EXPECT_TRUE(SetForegroundWindow(hidden.h));
  EXPECT_EQ(GetForegroundWindow(), hidden.h);
  EXPECT_FALSE(IsWindowVisible(hidden.h));
}

// The tray icon brings its restored form to the top: above the others and
// active.
TEST_F(WindowSuite, BringingAWindowToTheTopPutsItAboveTheOthersAndActivatesIt) {
  Window first("First", WsOverlapped | WsCaption | WsVisible);
  Window second("Second", WsOverlapped | WsCaption | WsVisible);
  ASSERT_TRUE(SetForegroundWindow(second.h));
  ASSERT_EQ(FindWindowA(windowsuite::kClass, nullptr), second.h);
  EXPECT_TRUE(BringWindowToTop(first.h));
  EXPECT_EQ(FindWindowA(windowsuite::kClass, nullptr), first.h);
  EXPECT_EQ(GetForegroundWindow(), first.h);
}

}  // namespace
