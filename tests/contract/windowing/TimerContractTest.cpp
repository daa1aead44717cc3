// GUI timers: a tick waits in the queue once however many intervals were
// missed; killing a timer twice fails the second time.
#include "WindowSuite.h"
#include "platform/timers.h"

namespace {

using windowsuite::Window;
using windowsuite::WindowSuite;
using namespace platform;

int WaitingTicks(Hwnd window) {
  int ticks = 0;
  Msg msg;
  while (PeekMessageA(&msg, window, WmTimer, WmTimer, PmRemove)) ++ticks;
  return ticks;
}

TEST_F(WindowSuite, MissedTicksWaitAsOne) {
  Window w("Timer");
  ASSERT_NE(SetTimer(w.h, 7, 50), 0u);
  windowenv::LetTimePassBusy(400);  // eight intervals
  Msg msg;
  ASSERT_TRUE(PeekMessageA(&msg, w.h, WmTimer, WmTimer, PmRemove));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_EQ(WaitingTicks(w.h), 0);
  EXPECT_TRUE(KillTimer(w.h, 7));
  EXPECT_FALSE(KillTimer(w.h, 7));
}

TEST_F(WindowSuite, NoTickBeforeTheIntervalAndNoneAfterKilling) {
  Window w("Timer");
  ASSERT_NE(SetTimer(w.h, 9, 100000), 0u);
  windowenv::LetTimePassBusy(100);
  EXPECT_EQ(WaitingTicks(w.h), 0);
  ASSERT_NE(SetTimer(w.h, 9, 50), 0u);  // the same id: restarted with the new interval
  windowenv::LetTimePassBusy(200);
  EXPECT_TRUE(KillTimer(w.h, 9));
  EXPECT_EQ(WaitingTicks(w.h), 0) << "a killed timer's waiting tick goes with it";
}

}  // namespace
