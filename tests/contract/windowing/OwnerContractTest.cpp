// Owners of top-level windows, as modal dialogs use them: an owner set after
// creation reads back, the owned window stays above its owner when the owner
// comes to the front, and it goes when its owner is destroyed.
#include "WindowSuite.h"
#include "platform/messages.h"

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
  DestroyWindow(owner.h);
  EXPECT_FALSE(IsWindow(owned.h));
}

}  // namespace
