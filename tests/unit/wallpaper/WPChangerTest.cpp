#include "wallpaper/WPChanger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/world.h"
#include "support/ChangerEvents.h"
#include "support/TestMachine.h"
#include "toolkit/core/Exceptions.h"

namespace {

using muralto::TWallpaperPosition;
using muralto::TWPChanger;

const std::string Desktop = "Control Panel\\desktop";
const std::string Picture = "C:\\Muralto\\data\\wallpaper.bmp";

using EventLog = support::ChangerEvents;

class WPChangerTest : public ::testing::Test {
 protected:
  WPChangerTest() {
    machine.WriteFile(Picture, "BM");
    sim::RegSetString(Desktop, "Wallpaper", "C:\\old.bmp");
  }
  support::TestMachine machine;
};

// The placement goes in first, then the call to the system, then
// "PrevWallpaper" read from what the call left, and "Wallpaper" last.
TEST_F(WPChangerTest, TheValuesAreWrittenAroundTheSystemCallInOrder) {
  for (bool systemRecords : {true, false}) {
    SCOPED_TRACE(systemRecords ? "the system records the path" : "the system records nothing");
    sim::RegSetString(Desktop, "Wallpaper", "C:\\old.bmp");
    sim::SetWallpaperCallRecordsPath(systemRecords);
    sim::WallpaperCalls().clear();
    TWPChanger changer(nullptr);
    sim::RegJournal().clear();
    changer.ChangeWallPaper(Picture, muralto::wpStretched);
    // The system's own record of the path is not in the journal.
    const std::vector<std::string> expected = {
        "set TileWallpaper=0", "set WallpaperStyle=2",
        "set PrevWallpaper=" + (systemRecords ? Picture : std::string("C:\\old.bmp")), "set Wallpaper=" + Picture};
    EXPECT_EQ(sim::RegJournal(), expected);
    ASSERT_EQ(sim::WallpaperCalls().size(), 1u);
    EXPECT_EQ(sim::WallpaperCalls()[0].param, 1u);
    EXPECT_EQ(sim::WallpaperCalls()[0].path, Picture);
    EXPECT_EQ(sim::WallpaperCalls()[0].winIni, 1u);
  }
  sim::SetWallpaperCallRecordsPath(true);
}

TEST_F(WPChangerTest, AMissingDesktopKeyStillBeginsAndFinishes) {
  TWPChanger changer(nullptr);
  EventLog log(changer);
  sim::RegDeleteKey(Desktop);
  sim::RegJournal().clear();
  changer.ChangeWallPaper(Picture, muralto::wpStretched);
  EXPECT_EQ(log.events, (std::vector<std::string>{"begin", "finish"}));
  EXPECT_TRUE(sim::RegJournal().empty());
  EXPECT_TRUE(sim::WallpaperCalls().empty());
  EXPECT_FALSE(sim::RegKeyExists(Desktop)) << "never created";
  EXPECT_EQ(changer.GetCurrentWallpaper(), "");
  EXPECT_EQ(changer.GetCurrentPosition(), muralto::wpCentered);
}

TEST_F(WPChangerTest, ARegistryFailureIsAbsorbedAndReported) {
  TWPChanger changer(nullptr);
  EventLog log(changer);
  sim::RegFailWritesUnder(Desktop, platform::ErrorAccessDenied);
  changer.ChangeWallPaper(Picture, muralto::wpTiled);
  EXPECT_EQ(log.events, (std::vector<std::string>{"begin", "registry error", "finish"}));
  EXPECT_TRUE(sim::WallpaperCalls().empty()) << "the steps after the failing write are skipped";
}

TEST_F(WPChangerTest, ANonStringWallpaperInTheMiddleOfAChangeIsAbsorbed) {
  TWPChanger changer(nullptr);
  EventLog log(changer);
  sim::SetWallpaperCallRecordsPath(false);
  sim::RegValue dword;
  dword.type = platform::RegDword;
  dword.data = {1, 0, 0, 0};
  sim::RegSetRaw(Desktop, "Wallpaper", dword);
  changer.ChangeWallPaper(Picture, muralto::wpCentered);
  sim::SetWallpaperCallRecordsPath(true);
  EXPECT_EQ(log.events, (std::vector<std::string>{"begin", "registry error", "finish"}));
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u);
  EXPECT_EQ(sim::RegGetString(Desktop, "PrevWallpaper"), "") << "not written";
}

TEST_F(WPChangerTest, APathTheSystemBufferCannotHoldIsRefusedBeforeAnythingHappens) {
  const std::string folder = "C:\\" + std::string(200, 'd') + "\\";
  machine.MakeDir(folder);
  const std::string exactly255 = folder + std::string(255 - folder.size() - 4, 'p') + ".bmp";
  const std::string is256 = folder + std::string(256 - folder.size() - 4, 'q') + ".bmp";
  machine.WriteFile(exactly255, "BM");
  machine.WriteFile(is256, "BM");
  ASSERT_EQ(exactly255.size(), 255u);
  ASSERT_EQ(is256.size(), 256u);

  TWPChanger changer(nullptr);
  EventLog log(changer);
  sim::RegJournal().clear();
  try {
    changer.ChangeWallPaper(is256, muralto::wpTiled);
    FAIL() << "no error";
  } catch (const muralto::EWallpaperPathTooLong& e) {
    EXPECT_EQ(e.Message(), "The wallpaper path is longer than 255 characters: " + is256);
  }
  EXPECT_TRUE(log.events.empty());
  EXPECT_TRUE(sim::RegJournal().empty());
  EXPECT_TRUE(sim::WallpaperCalls().empty());

  changer.ChangeWallPaper(exactly255, muralto::wpTiled);
  ASSERT_EQ(sim::WallpaperCalls().size(), 1u);
  EXPECT_EQ(sim::WallpaperCalls()[0].path, exactly255);
  EXPECT_EQ(sim::RegGetString(Desktop, "Wallpaper"), exactly255);
}

TEST_F(WPChangerTest, ConstructionReadsTheWallpaperWithoutChecks) {
  sim::RegSetString(Desktop, "Wallpaper", "C:\\gone.bmp");
  TWPChanger changer(nullptr);
  EXPECT_EQ(changer.Wallpaper(), "C:\\gone.bmp");
  EXPECT_EQ(changer.Position(), muralto::wpCentered);
  EXPECT_EQ(changer.PixelFormat(), toolkit::pf24bit);
  EXPECT_EQ(changer.About(), nullptr);
  EXPECT_EQ(changer.CaptureFolder(), "C:\\Windows\\");
}

TEST_F(WPChangerTest, ANonStringWallpaperValueLeavesTheConstructionWorking) {
  sim::RegValue dword;
  dword.type = platform::RegDword;
  dword.data = {5, 0, 0, 0};
  sim::RegSetRaw(Desktop, "Wallpaper", dword);
  toolkit::TComponent owner(nullptr);
  TWPChanger* changer = toolkit::TComponent::Create<TWPChanger>(&owner);
  EXPECT_EQ(changer->Wallpaper(), "");
  try {
    changer->GetCurrentWallpaper();
    FAIL() << "no error";
  } catch (const toolkit::ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Invalid data type for 'Wallpaper'");
  }
  // The key is closed again, so the next operation works.
  sim::RegSetString(Desktop, "Wallpaper", "C:\\x.bmp");
  EXPECT_EQ(changer->GetCurrentWallpaper(), "C:\\x.bmp");
}

TEST_F(WPChangerTest, AnEmptyOrMissingWallpaperReadsAsEmpty) {
  for (bool missing : {false, true}) {
    const char* label = missing ? "missing" : "empty";
    // A desktop key without the value, or with it empty.
    sim::RegDeleteKey(Desktop);
    sim::RegCreateKey(Desktop);
    if (!missing) sim::RegSetString(Desktop, "Wallpaper", "");
    TWPChanger changer(nullptr);
    EXPECT_EQ(changer.Wallpaper(), "") << label;
    EXPECT_EQ(changer.GetCurrentWallpaper(), "") << label;
    EventLog log(changer);
    changer.ChangeNow();
    EXPECT_EQ(log.events, (std::vector<std::string>{"not found"})) << label;
    // Read again in the middle of a change: an empty text for "PrevWallpaper", no registry error.
    sim::SetWallpaperCallRecordsPath(false);
    log.events.clear();
    changer.ChangeWallPaper(Picture, muralto::wpCentered);
    sim::SetWallpaperCallRecordsPath(true);
    EXPECT_EQ(log.events, (std::vector<std::string>{"begin", "finish"})) << label;
    sim::RegValue previous;
    ASSERT_TRUE(sim::RegGet(Desktop, "PrevWallpaper", &previous)) << label;
    EXPECT_EQ(sim::RegGetString(Desktop, "PrevWallpaper"), "") << label;
    EXPECT_EQ(sim::RegGetString(Desktop, "Wallpaper"), Picture) << label;
  }
}

TEST_F(WPChangerTest, ChangeNowUsesThePropertiesAndSetWallpaperChecksTheFile) {
  TWPChanger changer(nullptr);
  EventLog log(changer);
  changer.SetWallpaper("C:\\missing.bmp");
  EXPECT_EQ(changer.Wallpaper(), "C:\\old.bmp");
  EXPECT_EQ(log.events, (std::vector<std::string>{"not found"}));
  changer.SetWallpaper(Picture);
  changer.SetPosition(muralto::wpStretched);
  EXPECT_EQ(changer.Wallpaper(), Picture);
  EXPECT_TRUE(sim::WallpaperCalls().empty()) << "setting the property changes nothing";
  changer.ChangeNow();
  EXPECT_EQ(sim::RegGetString(Desktop, "WallpaperStyle"), "2");
  EXPECT_EQ(sim::WallpaperCalls().size(), 1u);

  changer.SetDesigning(true);
  log.events.clear();
  changer.SetWallpaper("C:\\missing.bmp");
  EXPECT_EQ(changer.Wallpaper(), "C:\\missing.bmp") << "stored silently while designing";
  EXPECT_TRUE(log.events.empty());
}

TEST_F(WPChangerTest, GetCurrentPositionAddsStyleAndTile) {
  struct Row {
    const char* style;
    const char* tile;
    TWallpaperPosition expected;
  };
  const Row rows[] = {{"0", "0", muralto::wpCentered},  {"0", "1", muralto::wpTiled},
                      {"2", "0", muralto::wpStretched}, {"2", "1", muralto::wpCentered},
                      {"-1", "0", muralto::wpCentered}, {"2147483647", "2147483647", muralto::wpCentered}};
  TWPChanger changer(nullptr);
  for (const Row& row : rows) {
    sim::RegSetString(Desktop, "WallpaperStyle", row.style);
    sim::RegSetString(Desktop, "TileWallpaper", row.tile);
    EXPECT_EQ(changer.GetCurrentPosition(), row.expected) << "style " << row.style << ", tile " << row.tile;
  }
  // A value that is no number, missing ones included, fails the conversion.
  struct Failing {
    const char* style;  // nullptr: the value is missing
    const char* tile;
    const char* message;
  };
  const Failing failing[] = {
      {"2", "", "'' is not a valid integer value"},           {"2", nullptr, "'' is not a valid integer value"},
      {nullptr, "1", "'' is not a valid integer value"},      {"x", "0", "'x' is not a valid integer value"},
      {"x10", "0", "'x10' is not a valid integer value"},      // x without its 0 marks nothing
      {"-0x10", "0", "'-0x10' is not a valid integer value"},  // 0x never follows a sign
  };
  for (const Failing& row : failing) {
    const std::string label =
        std::string("style ") + (row.style ? row.style : "missing") + ", tile " + (row.tile ? row.tile : "missing");
    sim::RegDeleteKey(Desktop);
    sim::RegCreateKey(Desktop);
    if (row.style) sim::RegSetString(Desktop, "WallpaperStyle", row.style);
    if (row.tile) sim::RegSetString(Desktop, "TileWallpaper", row.tile);
    try {
      changer.GetCurrentPosition();
      ADD_FAILURE() << label << ": no error";
    } catch (const toolkit::EConvertError& e) {
      EXPECT_EQ(e.Message(), row.message) << label;
    }
  }
}

TEST_F(WPChangerTest, AnEmptyNonStringValueIsARegistryErrorForTheCaller) {
  sim::RegValue emptyBinary;
  emptyBinary.type = platform::RegBinary;
  sim::RegSetRaw(Desktop, "WallpaperStyle", emptyBinary);
  sim::RegSetString(Desktop, "TileWallpaper", "0");
  TWPChanger changer(nullptr);
  try {
    changer.GetCurrentPosition();
    FAIL() << "no error";
  } catch (const toolkit::ERegistryException& e) {
    EXPECT_EQ(e.Message(), "Invalid data type for 'WallpaperStyle'") << "no bytes, and still no text";
  }
}

TEST_F(WPChangerTest, AnEmptyNonStringWallpaperIsARegistryError) {
  sim::RegValue emptyBinary;
  emptyBinary.type = platform::RegBinary;
  sim::RegSetRaw(Desktop, "Wallpaper", emptyBinary);
  TWPChanger changer(nullptr);
  EXPECT_THROW(changer.GetCurrentWallpaper(), toolkit::ERegistryException);
  EventLog log(changer);
  sim::SetWallpaperCallRecordsPath(false);
  changer.ChangeWallPaper(Picture, muralto::wpCentered);
  sim::SetWallpaperCallRecordsPath(true);
  EXPECT_EQ(log.events, (std::vector<std::string>{"begin", "registry error", "finish"}));
  EXPECT_FALSE(sim::RegGet(Desktop, "PrevWallpaper", nullptr)) << "the copy is skipped";
}

}  // namespace
