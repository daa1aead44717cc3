// The folder scan against the simulated Windows natively and the real file
// system under Wine: which entries are pictures, which folders are entered,
// and that a subfolder's pictures come together where the subfolder is met.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/TestMachine.h"
#include "support/WineDeviation.h"
#include "toolkit/controls/ListItems.h"
#include "toolkit/core/StringList.h"
#include "wallpaper/PicturePool.h"

namespace {

TEST(PoolOnTheSystem, ScanTakesPicturesAndEntersOnlyPlainFolders) {
  struct Row {
    const char* name;  // under "pics\"; a folder when it ends in "\"
    char mark;         // 'h' hidden, 's' system, 'r' read-only
    bool pooled;
  };
  // Extensions are compared lower-cased, and a name is no extension. A plain
  // folder is entered; any other is taken for a file and not entered.
  const Row rows[] = {{"a.jpg", 0, true},
                      {"B.JPG", 0, true},
                      {"c.Jpeg", 0, true},
                      {"d.bmp", 0, true},
                      {"e.jpe", 0, false},
                      {"f.gif", 0, false},
                      {"g.png", 0, false},
                      {"y.jpgx", 0, false},
                      {"jpg", 0, false},
                      {"secret.jpg", 'h', true},
                      {"sys.bmp", 's', true},
                      {"sub\\", 0, false},
                      {"sub\\x.bmp", 0, true},
                      {"sub\\deeper\\", 0, false},
                      {"sub\\deeper\\y.bmp", 0, true},
                      {"sub\\z.jpg", 0, true},
                      {"hidden.bmp\\", 'h', true},
                      {"hidden.bmp\\inner.jpg", 0, false},
                      {"system dir\\", 's', false},
                      {"system dir\\s.jpg", 0, false},
                      {"holiday.jpg\\", 'r', true},
                      {"holiday.jpg\\inner.jpg", 0, false}};
  support::TestMachine scratch;
  const std::string pics = scratch.Folder() + "pics\\";
  scratch.MakeFolder("pics");
  bool readOnly = true;
  for (const Row& row : rows) {
    std::string name = std::string("pics\\") + row.name;
    if (name.back() == '\\') {
      name.pop_back();
      scratch.MakeFolder(name);
    } else {
      scratch.MakeFile(name, "x");
    }
    const bool marked = row.mark == 'h' ? scratch.MarkHidden(name) : row.mark == 's' ? scratch.MarkSystem(name) : true;
    ASSERT_TRUE(marked) << name;
    if (row.mark == 'r') readOnly = scratch.MarkReadOnlyFolder(name);
  }
  scratch.MakeFolder("other.jpg");
  scratch.MakeFile("other.jpg\\linked.jpg", "x");
  const bool linked = scratch.MakeFolderLink("pics\\link.jpg", "other.jpg");
  // Wine keeps the links it makes in a form of its own that its folder
  // listing leaves out; such a link cannot be met by the scan at all.
  bool listed = false;
  if (linked) {
    platform::FindDataA data;
    const platform::Handle find = platform::FindFirstFileA((pics + "link.jpg").c_str(), &data);
    listed = find != platform::InvalidHandleValue;
    if (listed) platform::FindClose(find);
  }

  toolkit::TListItems folders;
  toolkit::TListItem* item = folders.Add();
  item->SetCaption(scratch.Folder() + "pics");
  item->SetChecked(true);
  toolkit::TStringList pool;
  muralto::RebuildPool(folders, pool);

  std::vector<std::string> expected;
  for (const Row& row : rows) {
    std::string name = pics + row.name;
    if (name.back() == '\\') name.pop_back();
    if (row.pooled) expected.push_back(name);
  }
  // Wine keeps no read-only bit on folders it is asked to set: a plain folder, entered.
  if (!readOnly) std::replace(expected.begin(), expected.end(), pics + "holiday.jpg", pics + "holiday.jpg\\inner.jpg");
  if (listed) expected.push_back(pics + "link.jpg");  // a link is not entered, named like a picture it is one
  std::vector<std::string> entries;
  for (int i = 0; i < pool.Count(); ++i) entries.push_back(pool.Strings(i));
  // The order of a folder's entries is the system's; a subfolder's tree
  // comes whole where the subfolder is met.
  for (const std::string& folder : {pics + "sub\\", pics + "sub\\deeper\\"}) {
    const auto inside = [&](const std::string& entry) { return entry.rfind(folder, 0) == 0; };
    const auto first = std::find_if(entries.begin(), entries.end(), inside);
    const auto past = std::find_if_not(first, entries.end(), inside);
    EXPECT_EQ(std::count_if(past, entries.end(), inside), 0) << folder << " is not scanned in one piece";
  }
  std::sort(entries.begin(), entries.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(entries, expected);
  support::KnownWineDeviation(support::RunsOnWine(), readOnly, !readOnly,
                              "Wine keeps no read-only bit on a folder; checked as a plain folder");
  support::KnownWineDeviation(support::RunsOnWine(), listed, !listed,
                              "Wine's folder listing leaves out the links it makes; that case was not run");
}

}  // namespace
