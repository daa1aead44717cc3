// A window's menu bar: set, read back, drawn, and taken away again.
#include <vector>

#include "WindowSuite.h"
#include "platform/desktop.h"
#include "platform/menus.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;

int ClientHeight(Hwnd window) {
  Rect r;
  GetClientRect(window, &r);
  return r.bottom - r.top;
}

// The form checks which bar its window holds before it sets its own; the
// bar's room comes off the client area, which the form's layout sizes.
TEST_F(WindowSuite, AMenuBarIsHeldByItsWindowAndTakesRoomFromTheClientArea) {
  Window w("Menu bar", WsOverlapped | WsCaption | WsSysMenu | WsVisible);
  const int without = ClientHeight(w.h);
  const Hmenu bar = CreateMenu();
  const Hmenu file = CreatePopupMenu();
  ASSERT_TRUE(bar && file);
  ASSERT_TRUE(AppendMenuA(file, MfString, 101, "E&xit"));
  ASSERT_TRUE(AppendMenuA(bar, MfPopup, file, "&File"));
  EXPECT_EQ(GetMenu(w.h), 0u);
  ASSERT_TRUE(SetMenu(w.h, bar));
  EXPECT_EQ(GetMenu(w.h), bar);
  EXPECT_TRUE(DrawMenuBar(w.h));
  EXPECT_LT(ClientHeight(w.h), without) << "the bar's row";
  ASSERT_TRUE(SetMenu(w.h, 0));
  EXPECT_EQ(GetMenu(w.h), 0u);
  EXPECT_EQ(ClientHeight(w.h), without);
  EXPECT_TRUE(DestroyMenu(bar)) << "a bar taken off its window is the program's to destroy";
}

}  // namespace
