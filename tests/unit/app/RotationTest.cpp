// The rotation on the simulated clock: Start/Stop, the interval, the picks
// in both modes, the placement map and failing picks.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "MainFormFixture.h"
#include "platform/dialogs.h"
#include "shell/SpinEdit.h"
#include "shell/TrayIcon.h"
#include "toolkit/controls/Button.h"
#include "toolkit/controls/RadioGroup.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/forms/Menus.h"
#include "toolkit/forms/Timer.h"

namespace {

using apptest::MainFormTest;

const std::string Desktop = "Control Panel\\desktop";

class RotationTest : public MainFormTest {
 protected:
  // Pictures a, b, c of widths 10, 20, 30 in C:\Pics, listed in that order.
  void StartWithPictures(int selection, int position, int hour, int min, int sec) {
    machine.MakeDir("C:\\Pics");
    MakePicture("C:\\Pics\\a.bmp", 10);
    MakePicture("C:\\Pics\\b.bmp", 20);
    MakePicture("C:\\Pics\\c.bmp", 30);
    WriteFolderList("C:\\Pics");
    WriteSettings(selection, position, hour, min, sec);
    Start();
    ASSERT_EQ(form->picturePool.Count(), 3);
  }
  std::vector<int> Picks(int ticks, std::uint32_t interval) {
    std::vector<int> widths;
    for (int i = 0; i < ticks; ++i) {
      std::size_t before = sim::WallpaperCalls().size();
      sim::AdvanceClock(interval);
      EXPECT_EQ(sim::WallpaperCalls().size(), before + 1) << "tick " << i;
      widths.push_back(WallpaperWidth());
    }
    return widths;
  }
};

TEST_F(RotationTest, SequentialTicksShowBCAB) {
  StartWithPictures(1, 0, 0, 0, 2);
  form->ButtonStart->Click();
  EXPECT_EQ(form->ButtonStart->Caption(), "Stop");
  sim::AdvanceClock(1999);
  EXPECT_TRUE(sim::WallpaperCalls().empty()) << "no pick at Start";
  sim::AdvanceClock(1);
  EXPECT_EQ(WallpaperWidth(), 20);
  EXPECT_EQ(Picks(3, 2000), (std::vector<int>{30, 10, 20}));
  EXPECT_EQ(form->currentPicture, "C:\\Pics\\b.bmp");
  EXPECT_EQ(sim::WallpaperCalls().back().path, apptest::WallpaperFile);
  EXPECT_EQ(sim::RegGetString(Desktop, "Wallpaper"), apptest::WallpaperFile);
  form->ButtonStart->Click();
  EXPECT_EQ(form->ButtonStart->Caption(), "Start");
  EXPECT_FALSE(form->Timer1->Enabled());
  std::size_t calls = sim::WallpaperCalls().size();
  sim::AdvanceClock(10000);
  EXPECT_EQ(sim::WallpaperCalls().size(), calls) << "stopped";
}

TEST_F(RotationTest, StartAtZeroNeverTicksUntilSecondsBecomeFive) {
  StartWithPictures(1, 0, 0, 0, 0);
  form->ButtonStart->Click();
  EXPECT_TRUE(form->running);
  EXPECT_EQ(form->ButtonStart->Caption(), "Stop");
  sim::AdvanceClock(100000);
  EXPECT_TRUE(sim::WallpaperCalls().empty());
  form->CSpinEditSec->SetValue(5);
  EXPECT_EQ(form->seconds, 5);
  EXPECT_EQ(form->Timer1->Interval(), 5000u);
  sim::AdvanceClock(4999);
  EXPECT_TRUE(sim::WallpaperCalls().empty());
  sim::AdvanceClock(1);
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u);
  EXPECT_NE(machine.ReadFile(apptest::MainIni).find("Sec=5\r\n"), std::string::npos) << "saved at once";
}

TEST_F(RotationTest, ChangingASpinEditWhileRunningRestartsTheCountdown) {
  StartWithPictures(1, 0, 0, 0, 10);
  form->ButtonStart->Click();
  sim::AdvanceClock(8000);
  form->CSpinEditSec->SetValue(4);
  sim::AdvanceClock(3999);
  EXPECT_TRUE(sim::WallpaperCalls().empty()) << "counted from the change, not from Start";
  sim::AdvanceClock(1);
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u);
  // The modes neither pick nor restart the countdown.
  sim::AdvanceClock(2000);
  form->RadioGroupPosition->SetItemIndex(2);
  EXPECT_EQ(form->positionMode, 2);
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u);
  sim::AdvanceClock(1000);
  form->RadioGroupSelection->SetItemIndex(0);
  EXPECT_EQ(form->selectionMode, 0);
  sim::AdvanceClock(500);
  form->RadioGroupSelection->SetItemIndex(1);
  EXPECT_EQ(form->selectionMode, 1);
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u);
  sim::AdvanceClock(500);
  EXPECT_EQ(sim::WallpaperCalls().size(), 2u) << "still 4 s after the last tick";
  EXPECT_EQ(sim::RegGetString(Desktop, "TileWallpaper"), "1");
  EXPECT_NE(machine.ReadFile(apptest::MainIni).find("Selection=1\r\nPosition=2\r\n"), std::string::npos)
      << "both saved";
}

TEST_F(RotationTest, ThePlacementMapAndNoPlacement) {
  struct Row {
    int item;
    const char* tile;
    const char* style;
  };
  // The window's order is Centered, Stretched, Tiled; the changer's wpCentered, wpTiled, wpStretched.
  const Row rows[] = {{0, "0", "0"}, {1, "0", "2"}, {2, "1", "0"}};
  StartWithPictures(1, 0, 1, 0, 0);
  for (const Row& row : rows) {
    form->RadioGroupPosition->SetItemIndex(row.item);
    form->PMChangeClick(nullptr);
    EXPECT_EQ(sim::RegGetString(Desktop, "TileWallpaper"), row.tile) << "item " << row.item;
    EXPECT_EQ(sim::RegGetString(Desktop, "WallpaperStyle"), row.style) << "item " << row.item;
  }
  // No placement chosen: the file is written, the desktop is left alone.
  form->RadioGroupPosition->SetItemIndex(-1);
  std::size_t calls = sim::WallpaperCalls().size();
  int before = form->currentIndex;
  form->PMChangeClick(nullptr);
  EXPECT_EQ(sim::WallpaperCalls().size(), calls);
  EXPECT_NE(form->currentIndex, before);
  EXPECT_EQ(WallpaperWidth(), (form->currentIndex + 1) * 10);
}

TEST_F(RotationTest, ChangeNowTwiceInOneSecondPicksTwiceWithoutTouchingTheTimer) {
  struct Row {
    const char* name;
    int selection;
    std::vector<int> widths;
  };
  const Row rows[] = {
      // Reseeded from the same clock second: the same draw (130 mod 3), the same picture.
      {"random", 0, {20, 20}},
      {"sequential", 1, {30, 10}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    StartWithPictures(row.selection, 0, 0, 0, 5);
    sim::SetCalendarTime(1);
    form->PMChangeClick(nullptr);
    EXPECT_FALSE(form->running) << "Change Now does not start the rotation";
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_EQ(form->ButtonStart->Caption(), "Start");
    form->ButtonStart->Click();
    sim::AdvanceClock(3000);
    std::vector<int> widths;
    for (int i = 0; i < 2; ++i) {
      form->PMChangeClick(nullptr);
      widths.push_back(WallpaperWidth());
    }
    EXPECT_EQ(widths, row.widths);
    EXPECT_EQ(sim::WallpaperCalls().size(), 3u) << "every Change Now hands the file over";
    EXPECT_TRUE(form->running) << "nor does it stop it";
    sim::AdvanceClock(1999);
    EXPECT_EQ(sim::WallpaperCalls().size(), 3u);
    sim::AdvanceClock(1);
    EXPECT_EQ(sim::WallpaperCalls().size(), 4u) << "the countdown went on from Start";
    app.reset();
    sim::WallpaperCalls().clear();
  }
}

TEST_F(RotationTest, RebuildingThePoolKeepsTheIndex) {
  StartWithPictures(1, 0, 1, 0, 0);
  form->PMChangeClick(nullptr);
  ASSERT_EQ(form->currentIndex, 1);
  machine.MakeDir("C:\\More");
  MakePicture("C:\\More\\d.bmp", 40);
  sim::SetBrowseHandler([](const sim::BrowseCall&) { return std::optional<std::string>("C:\\More"); });
  form->ButtonAdd->Click();
  ASSERT_EQ(form->picturePool.Count(), 4);
  EXPECT_EQ(form->currentIndex, 1);
  form->PMChangeClick(nullptr);
  EXPECT_EQ(WallpaperWidth(), 30) << "the pick goes on from b";
}

TEST_F(RotationTest, AFailingPickLeavesTheWallpaperAndTheNextTickMovesOn) {
  struct Row {
    const char* name;
    const char* removed;
    const char* message;
    int nextWidth;  // 0: the next pick fails too
  };
  const Row rows[] = {
      {"picture deleted after the scan", "C:\\Pics\\b.bmp", "Cannot open file C:\\Pics\\b.bmp.", 30},
      {"no data folder", "C:\\Muralto\\data", "Cannot create file C:\\Muralto\\data\\wallpaper.bmp.", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    sim::WallpaperCalls().clear();
    sim::RegSetString(Desktop, "Wallpaper", "C:\\old.bmp");
    sim::RegSetString(Desktop, "TileWallpaper", "1");
    StartWithPictures(1, 0, 0, 0, 1);
    machine.Remove(row.removed);
    form->ButtonStart->Click();
    sim::AdvanceClock(1000);
    ASSERT_EQ(sim::MessageBoxes().size(), 1u);
    EXPECT_EQ(sim::MessageBoxes()[0].text, row.message);
    EXPECT_EQ(sim::MessageBoxes()[0].caption, "Muralto 1.2");
    EXPECT_TRUE(sim::WallpaperCalls().empty());
    EXPECT_EQ(sim::RegGetString(Desktop, "Wallpaper"), "C:\\old.bmp");
    EXPECT_EQ(sim::RegGetString(Desktop, "TileWallpaper"), "1") << "no placement written";
    EXPECT_FALSE(machine.Exists(apptest::WallpaperFile));
    EXPECT_EQ(form->currentIndex, 1);
    EXPECT_EQ(form->currentPicture, "C:\\Pics\\b.bmp");
    sim::AdvanceClock(1000);
    EXPECT_EQ(form->currentIndex, 2) << "the rotation goes on";
    if (row.nextWidth) {
      EXPECT_EQ(WallpaperWidth(), row.nextWidth);
      EXPECT_EQ(sim::MessageBoxes().size(), 1u);
    } else {
      EXPECT_EQ(sim::MessageBoxes().size(), 2u);
      EXPECT_TRUE(sim::WallpaperCalls().empty());
    }
    app.reset();
    sim::MessageBoxes().clear();
    machine.MakeDir("C:\\Muralto\\data");
  }
}

// Ticks go on behind an open failure box; one that fails again there opens no
// box on the box (unanswered, they grew without end). A Change Now that fails
// there was the user's own doing and shows its box.
TEST_F(RotationTest, BehindAnOpenFailureBoxOnlyFailingTicksStayQuiet) {
  StartWithPictures(1, 0, 0, 0, 1);
  machine.Remove("C:\\Muralto\\data");
  auto* change = dynamic_cast<toolkit::TMenuItem*>(form->FindComponent("PMChange"));
  ASSERT_NE(change, nullptr);
  int open = 0, deepest = 0;
  std::size_t boxesAfterTicks = 0;
  sim::SetMessageBoxHandler([&](const sim::MessageBoxCall&) {
    deepest = std::max(deepest, ++open);
    if (sim::MessageBoxes().size() == 1) {
      sim::AdvanceClock(5000);  // five failing ticks behind the box
      boxesAfterTicks = sim::MessageBoxes().size();
      sim::SetPopupChoice(change->Command());  // Change Now from the tray menu
      platform::PostMessageA(form->TrayIcon->NotifyWindow(), muralto::TStCustomTrayIcon::CallbackMessage, 2,
                             platform::WmRButtonDown);
      sim::DispatchPending();
      machine.MakeDir("C:\\Muralto\\data");
      sim::AdvanceClock(1000);  // and a good tick
    }
    --open;
    return platform::IdOk;
  });
  sim::WallpaperCalls().clear();
  form->ButtonStart->Click();
  sim::AdvanceClock(1000);
  EXPECT_EQ(boxesAfterTicks, 1u);
  EXPECT_EQ(deepest, 2) << "Change Now's box opens inside the first one";
  EXPECT_EQ(sim::MessageBoxes().size(), 2u);
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u) << "the rotation went on behind the box";
  machine.Remove("C:\\Muralto\\data");
  sim::AdvanceClock(1000);
  EXPECT_EQ(sim::MessageBoxes().size(), 3u) << "once answered, the next failing tick shows again";
}

TEST_F(RotationTest, AnEmptyPoolTicksAndDoesNothing) {
  WriteSettings(1, 0, 0, 0, 1);
  Start();
  form->ButtonStart->Click();
  sim::AdvanceClock(5000);
  form->PMChangeClick(nullptr);
  EXPECT_EQ(form->ButtonStart->Caption(), "Stop");
  EXPECT_TRUE(sim::WallpaperCalls().empty());
  EXPECT_TRUE(sim::MessageBoxes().empty());
  EXPECT_FALSE(machine.Exists(apptest::WallpaperFile));
}

TEST_F(RotationTest, RandomPicksUseTheClockSeededRuntimeGenerator) {
  Start();
  ASSERT_EQ(form->RadioGroupSelection->ItemIndex(), 0);
  struct Row {
    std::int64_t clock;
    int poolSize;
    int index;
  };
  const Row rows[] = {
      {1, 100, 30},  // seeded with 1 the draw is 130
      {0, 100, 46},  // seeded with 0 the draw is 346
      {1, 1, 0},
      {0, 32768, 346},  // pools up to 32768 keep the single draw
  };
  for (const Row& row : rows) {
    form->picturePool.Clear();
    for (int i = 0; i < row.poolSize; ++i) form->picturePool.Add("C:\\none\\" + std::to_string(i) + ".bmp");
    sim::SetCalendarTime(row.clock);
    EXPECT_THROW(form->NextWallpaper(), toolkit::EFOpenError);
    EXPECT_EQ(form->currentIndex, row.index) << "clock " << row.clock << ", pool " << row.poolSize;
  }
  // Beyond 32768 entries the later ones are reachable too.
  form->picturePool.Clear();
  for (int i = 0; i < 70000; ++i) form->picturePool.Add("C:\\none\\x.bmp");
  bool beyond = false;
  for (std::int64_t clock = 0; clock < 200 && !beyond; ++clock) {
    sim::SetCalendarTime(clock);
    EXPECT_THROW(form->NextWallpaper(), toolkit::EFOpenError);
    beyond = form->currentIndex >= 32768;
  }
  EXPECT_TRUE(beyond);
}

TEST_F(RotationTest, SequentialContinuesFromTheRandomIndexAndWrapsAfterTheLast) {
  StartWithPictures(0, 0, 1, 0, 0);
  sim::SetCalendarTime(1);  // 130 mod 3 = 1
  form->PMChangeClick(nullptr);
  EXPECT_EQ(form->currentIndex, 1);
  form->RadioGroupSelection->SetItemIndex(1);
  form->PMChangeClick(nullptr);
  EXPECT_EQ(form->currentIndex, 2);
  // After the pool shrinks, an index at or past its last entry goes to 0.
  form->picturePool.Delete(2);
  form->picturePool.Delete(1);
  form->currentIndex = 5;
  form->PMChangeClick(nullptr);
  EXPECT_EQ(form->currentIndex, 0);
}

TEST_F(RotationTest, WithoutASelectionTheIndexStaysAndMayLieOutsideThePool) {
  StartWithPictures(-1, 0, 1, 0, 0);
  EXPECT_EQ(form->selectionMode, -1);
  form->PMChangeClick(nullptr);
  form->PMChangeClick(nullptr);
  EXPECT_EQ(form->currentIndex, 0);
  EXPECT_EQ(WallpaperWidth(), 10);
  form->currentIndex = 3;
  try {
    form->NextWallpaper();
    ADD_FAILURE() << "no failure";
  } catch (const toolkit::Exception& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (3)");
  }
}

TEST_F(RotationTest, TheIntervalRuleWrapsNegativeFields) {
  WriteSettings(0, 0, -2, 0, 0);
  Start();
  EXPECT_EQ(form->hours, -2);
  form->ButtonStart->Click();
  EXPECT_EQ(form->Timer1->Interval(), static_cast<std::uint32_t>(-7200000));
  form->CSpinEditMin->SetValue(59);
  EXPECT_EQ(form->Timer1->Interval(), static_cast<std::uint32_t>(-7200000 + 59 * 60000));
}

}  // namespace
