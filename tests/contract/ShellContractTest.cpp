// The shell: a folder's path from its item-ID list, opening what is not
// there, and the calendar clock.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <string>

#include "contract/ContractChecks.h"
#include "platform/shell.h"

namespace {

using namespace platform;

class ShellContract : public ::testing::Test {
 protected:
  void SetUp() override { contract::FreshMachine(); }
  contract::ScratchFolder scratch_;
};

// Only a place of the file system has a path; for any other the program
// is left an empty text.
TEST_F(ShellContract, AnItemsPathIsWrittenOnlyForAPlaceOfTheFileSystem) {
  const struct {
    const char* what;
    Pidl item;
    bool hasPath;
    std::string path;
  } rows[] = {{"a folder", contract::ItemIdListOfFolder(scratch_.Path()), true, scratch_.Path()},
              {"the computer's drives", contract::ItemIdListWithoutPath(), false, ""}};
  for (const auto& row : rows) {
    ASSERT_NE(row.item, 0u) << row.what;
    char path[MaxPath];
    std::memset(path, contract::Poison, sizeof path);
    EXPECT_EQ(SHGetPathFromIDListA(row.item, path), row.hasPath) << row.what;
    EXPECT_EQ(std::strcmp(path, row.path.c_str()), 0) << row.what << ": " << contract::Visible(std::string(path, 8));
    CoTaskMemFree(row.item);
  }
  CoTaskMemFree(0);  // nothing to free
}

// The About box opens its address without looking at the answer; what it
// relies on is that a failure is an answer of 32 or less, not a success.
TEST_F(ShellContract, OpeningAFileThatIsNotThereFails) {
  for (const std::string& file : {scratch_ / "missing.txt", scratch_ / "no folder\\missing.htm"}) {
    const std::intptr_t result = ShellExecuteA(0, nullptr, file.c_str(), nullptr, nullptr, SwShowNormal);
    EXPECT_LE(result, 32) << file;
    EXPECT_GE(result, 0) << file;
  }
}

TEST_F(ShellContract, TheCalendarClockCountsSecondsSince1970InUtc) {
  const std::int64_t before = static_cast<std::int64_t>(std::time(nullptr));
  const std::int64_t now = CalendarTimeSeconds();
  const std::int64_t after = static_cast<std::int64_t>(std::time(nullptr));
  EXPECT_GE(now, before - 1);
  EXPECT_LE(now, after + 1);
}

}  // namespace
