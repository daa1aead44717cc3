// The timer contract on the virtual clock.
#include <gtest/gtest.h>

#include "toolkit/GuiTest.h"
#include "toolkit/forms/Timer.h"

namespace {

class TimerTest : public guitest::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    timer = toolkit::TComponent::Create<toolkit::TTimer>(form);
    timer->SetEnabled(false);
    timer->SetInterval(2000);
    timer->SetOnTimer([this](toolkit::TObject*) { ticks.push_back(sim::Now()); });
  }
  toolkit::TTimer* timer = nullptr;
  std::vector<std::uint32_t> ticks;
};

TEST_F(TimerTest, AnEnabledTimerTicksEveryIntervalFromTheMomentItStarted) {
  sim::AdvanceClock(500);
  timer->SetEnabled(true);
  sim::AdvanceClock(6600);
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{2500, 4500, 6500}));
}

TEST_F(TimerTest, SettingTheSameValueDoesNothingAtAll) {
  timer->SetEnabled(true);
  sim::AdvanceClock(1500);
  timer->SetEnabled(true);
  timer->SetInterval(2000);
  sim::AdvanceClock(600);
  EXPECT_EQ(ticks, std::vector<std::uint32_t>{2000});  // the countdown was not restarted
}

TEST_F(TimerTest, AnyOtherChangeRestartsTheCountdown) {
  timer->SetEnabled(true);
  sim::AdvanceClock(1500);
  timer->SetInterval(1000);
  sim::AdvanceClock(2100);
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{2500, 3500}));
}

TEST_F(TimerTest, ZeroIntervalOrNoHandlerMeansNoPlatformTimer) {
  timer->SetInterval(0);
  timer->SetEnabled(true);
  EXPECT_FALSE(timer->Running());
  EXPECT_TRUE(sim::Timers().empty());
  timer->SetInterval(5000);  // a non-zero interval starts the ticks, counted from this change
  sim::AdvanceClock(100);
  EXPECT_TRUE(timer->Running());
  sim::AdvanceClock(5000);
  EXPECT_EQ(ticks, std::vector<std::uint32_t>{5000});
  timer->SetOnTimer(nullptr);
  EXPECT_TRUE(sim::Timers().empty());
}

TEST_F(TimerTest, DisablingStopsTheTicks) {
  timer->SetEnabled(true);
  sim::AdvanceClock(2000);
  timer->SetEnabled(false);
  sim::AdvanceClock(10000);
  EXPECT_EQ(ticks, std::vector<std::uint32_t>{2000});
}

TEST_F(TimerTest, MissedTicksAreNotMadeUp) {
  timer->SetEnabled(true);
  sim::AdvanceClockBusy(7000);  // the thread is busy for three and a half intervals
  sim::DispatchPending();
  sim::AdvanceClock(2000);
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{7000, 9000}));
}

TEST_F(TimerTest, ARefusedTimerFailsWithNotEnoughTimers) {
  sim::SetTimerLimit(0);
  try {
    timer->SetEnabled(true);
    FAIL() << "no failure";
  } catch (const toolkit::EOutOfResources& e) {
    EXPECT_STREQ(e.what(), "Not enough timers available");
  }
  EXPECT_FALSE(timer->Running());
}

TEST_F(TimerTest, AFailureInTheHandlerIsShownAndTheTimerKeepsTicking) {
  app->SetTitle("Muralto 1.2");
  timer->SetOnTimer([this](toolkit::TObject*) {
    ticks.push_back(sim::Now());
    throw toolkit::EFOpenError("Cannot open file C:\\gone.jpg");
  });
  timer->SetEnabled(true);
  sim::AdvanceClock(4000);
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{2000, 4000}));
  ASSERT_EQ(BoxTexts(), (std::vector<std::string>{"Cannot open file C:\\gone.jpg.", "Cannot open file C:\\gone.jpg."}));
  EXPECT_EQ(sim::MessageBoxes()[0].caption, "Muralto 1.2");
}

// A box left open must not stop the rotation, and must not nest: a tick that
// fails while it is open opens no box inside it; once it is answered, the
// next failure shows again.
TEST_F(TimerTest, TicksGoOnWhileAFailureBoxIsOpenAndNoFurtherBoxOpensInsideIt) {
  timer->SetOnTimer([this](toolkit::TObject*) {
    ticks.push_back(sim::Now());
    throw toolkit::Exception("broken");
  });
  int open = 0, deepest = 0;
  sim::SetMessageBoxHandler([&](const sim::MessageBoxCall&) {
    ++open;
    deepest = std::max(deepest, open);
    if (open == 1 && sim::MessageBoxes().size() == 1)
      sim::AdvanceClock(2000);  // the user reads the first box for two seconds
    --open;
    return 1;
  });
  timer->SetEnabled(true);
  sim::AdvanceClock(2000);
  EXPECT_EQ(ticks, (std::vector<std::uint32_t>{2000, 4000}));
  EXPECT_EQ(deepest, 1);
  EXPECT_EQ(sim::MessageBoxes().size(), 1u);
  sim::AdvanceClock(2000);
  EXPECT_EQ(sim::MessageBoxes().size(), 2u);
}

}  // namespace
