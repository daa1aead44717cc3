// The simulated enumeration reads each entry relative to its open folder;
// asking for a path by name goes the long way. Both must tell the same story.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "platform/files.h"
#include "platform/sim/world.h"
#include "support/sim/DriveCTest.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;

struct Listed {
  std::uint32_t attributes;
  std::uint64_t size;
};

class SimFind : public support::DriveCTest {
 protected:
  static std::map<std::string, Listed> List(const std::string& pattern) {
    std::map<std::string, Listed> entries;
    FindDataA data;
    const Handle find = FindFirstFileA(pattern.c_str(), &data);
    if (find == InvalidHandleValue) return entries;
    do {
      entries[data.cFileName] = {data.dwFileAttributes, data.nFileSize};
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return entries;
  }
};

TEST_F(SimFind, ListingAgreesWithAskingForEachPath) {
  fs::create_directory(host_ + "/Sub");
  Write("Sub/five.jpg", "12345");
  Write("Sub/locked.jpg", "123");
  chmod((host_ + "/Sub/locked.jpg").c_str(), 0444);
  Write("Sub/marked.bmp", "");
  fs::create_directory(host_ + "/Sub/Inner");
  fs::create_directory_symlink("Inner", host_ + "/Sub/linkdir");
  fs::create_symlink("five.jpg", host_ + "/Sub/linkfile");
  fs::create_symlink("missing", host_ + "/Sub/broken");
  fs::create_directory(host_ + "/Sub/.dotted");
  sim::SetExtraAttributes("C:\\SUB\\MARKED.BMP", FileAttributeSystem);

  struct Row {
    const char* name;
    std::uint32_t attributes;
    std::uint64_t size;
  };
  const Row rows[] = {
      {"five.jpg", 0x20, 5}, {"locked.jpg", 0x21, 3}, {"marked.bmp", 0x24, 0}, {"Inner", 0x10, 0},
      {"linkdir", 0x410, 0}, {"linkfile", 0x20, 5},   {".dotted", 0x10, 0},
  };
  // The folder named in another case than on the host, as Windows allows.
  const auto entries = List("C:\\sub\\*.*");
  EXPECT_EQ(entries.size(), std::size(rows) + 2) << "the rows, the dots, and no broken symlink";
  EXPECT_EQ(entries.count("broken"), 0u);
  for (const Row& row : rows) {
    const auto found = entries.find(row.name);
    ASSERT_NE(found, entries.end()) << row.name;
    EXPECT_EQ(found->second.attributes, row.attributes) << row.name << " listed";
    EXPECT_EQ(found->second.size, row.size) << row.name << " listed";
    EXPECT_EQ(GetFileAttributesA((std::string("C:\\Sub\\") + row.name).c_str()), row.attributes)
        << row.name << " asked for";
  }
}

TEST_F(SimFind, ExtraAttributesReachEntriesOfTheDriveRoot) {
  Write("a.jpg", "");
  sim::SetExtraAttributes("C:\\A.JPG", FileAttributeHidden);
  const auto entries = List("C:\\*");
  ASSERT_EQ(entries.count("a.jpg"), 1u);
  EXPECT_EQ(entries.at("a.jpg").attributes, 0x22u);
}

}  // namespace
