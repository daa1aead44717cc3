#include "wallpaper/PicturePool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/sim/world.h"
#include "support/TestMachine.h"
#include "toolkit/controls/ListItems.h"
#include "toolkit/core/StringList.h"

namespace {

std::vector<std::string> Entries(const toolkit::TStringList& pool) {
  std::vector<std::string> out;
  for (int i = 0; i < pool.Count(); ++i) out.push_back(pool.Strings(i));
  return out;
}

class PicturePoolTest : public ::testing::Test {
 protected:
  PicturePoolTest() {
    machine.MakeDir("C:\\Pics\\sub\\deeper");
    for (const char* name : {"C:\\Pics\\a.jpg", "C:\\Pics\\sub\\x.jpg", "C:\\Pics\\sub\\deeper\\y.bmp"}) {
      machine.WriteFile(name, "x");
    }
  }

  toolkit::TListItem* AddFolder(const std::string& caption, bool checked) {
    toolkit::TListItem* item = folders.Add();
    item->SetCaption(caption);
    item->SetChecked(checked);
    return item;
  }

  support::TestMachine machine;
  toolkit::TListItems folders;
  toolkit::TStringList pool;
};

TEST_F(PicturePoolTest, PathsAreNormalised) {
  muralto::ScanFolder("C:\\Pics\\sub\\", pool);
  EXPECT_EQ(Entries(pool), (std::vector<std::string>{"C:\\Pics\\sub\\deeper\\y.bmp", "C:\\Pics\\sub\\x.jpg"}))
      << "no second backslash";

  const std::string driveD = machine.HostRoot() + "/driveD";
  std::filesystem::create_directories(driveD + "/sub");
  machine.WriteFile("C:\\driveD\\root.bmp", "x");
  machine.WriteFile("C:\\driveD\\sub\\b.jpg", "x");
  sim::MapDrive('D', driveD);
  pool.Clear();
  muralto::ScanFolder("D", pool);
  EXPECT_EQ(Entries(pool), (std::vector<std::string>{"D:\\root.bmp", "D:\\sub\\b.jpg"})) << "a drive letter";
}

TEST_F(PicturePoolTest, AFolderThatCannotBeReadAddsNothing) {
  muralto::ScanFolder("C:\\NoSuchFolder", pool);
  muralto::ScanFolder("Q", pool);  // unmapped drive
  muralto::ScanFolder("C:\\Pics\\a.jpg", pool);
  EXPECT_EQ(pool.Count(), 0);
}

TEST_F(PicturePoolTest, RebuildScansCheckedItemsInListOrderWithDuplicates) {
  pool.Add("stale entry");
  AddFolder("C:\\Pics\\sub", true);
  AddFolder("C:\\Pics", false);
  AddFolder("C:\\Pics\\sub\\deeper", true);
  AddFolder("C:\\Pics\\sub\\", true);
  muralto::RebuildPool(folders, pool);
  const std::vector<std::string> expected = {
      "C:\\Pics\\sub\\deeper\\y.bmp", "C:\\Pics\\sub\\x.jpg", "C:\\Pics\\sub\\deeper\\y.bmp",
      "C:\\Pics\\sub\\deeper\\y.bmp", "C:\\Pics\\sub\\x.jpg",
  };
  EXPECT_EQ(Entries(pool), expected);
}

TEST_F(PicturePoolTest, AnEmptyCaptionScansNothingWhileADriveStillScansItsRoot) {
  machine.WriteFile("C:\\root.bmp", "x");
  muralto::ScanFolder("C:\\", pool);
  const std::vector<std::string> wholeDrive = Entries(pool);
  ASSERT_NE(std::find(wholeDrive.begin(), wholeDrive.end(), "C:\\root.bmp"), wholeDrive.end());
  struct Row {
    const char* caption;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      // A missing folder list entry: normalised it would be the current drive's root.
      {"", {}},
      {"C", wholeDrive},
      {"C:\\", wholeDrive},
  };
  for (const Row& row : rows) {
    folders.Clear();
    AddFolder(row.caption, true);
    muralto::RebuildPool(folders, pool);
    EXPECT_EQ(Entries(pool), row.expected) << "caption \"" << row.caption << "\"";
  }
}

TEST_F(PicturePoolTest, NoCheckedItemLeavesAnEmptyPool) {
  pool.Add("stale entry");
  AddFolder("C:\\Pics", false);
  muralto::RebuildPool(folders, pool);
  EXPECT_EQ(pool.Count(), 0);
}

}  // namespace
