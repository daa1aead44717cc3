// The wallpaper changer against whatever system the build targets: the
// simulated Windows natively, the real registry and SystemParametersInfoA
// under Wine. Same expectations in both runs; the values the test touches
// are put back afterwards.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "support/ChangerEvents.h"
#include "support/TestMachine.h"
#include "toolkit/io/Registry.h"
#include "wallpaper/WPChanger.h"

namespace {

using muralto::TWPChanger;

const char* const Names[] = {"Wallpaper", "PrevWallpaper", "TileWallpaper", "WallpaperStyle"};

class DesktopValues {
 public:
  DesktopValues() {
    registry_.OpenKey(TWPChanger::DesktopKey, false);
    for (const char* name : Names) {
      if (TypeOf(name) != 0) saved_[name] = registry_.ReadString(name);
    }
  }
  ~DesktopValues() {
    for (const char* name : Names) {
      auto it = saved_.find(name);
      if (it != saved_.end()) {
        registry_.WriteString(name, it->second);
      } else {
        registry_.DeleteValue(name);
      }
    }
  }
  std::string Read(const char* name) { return registry_.ReadString(name); }
  std::uint32_t TypeOf(const char* name) {
    std::uint32_t type = 0, size = 0;
    platform::RegQueryValueExA(registry_.CurrentKey(), name, &type, nullptr, &size);
    return type;
  }

 private:
  toolkit::TRegistry registry_;
  std::map<std::string, std::string> saved_;
};

TEST(ChangerOnTheSystem, EachPlacementLeavesItsStringValuesAndReadsBack) {
  support::TestMachine scratch;
  DesktopValues desktop;
  const std::string picture = scratch.MakeFile("picture.bmp", "BM");
  struct Row {
    muralto::TWallpaperPosition position;
    const char* tile;
    const char* style;
  };
  const Row centered{muralto::wpCentered, "0", "0"}, tiled{muralto::wpTiled, "1", "0"},
      stretched{muralto::wpStretched, "0", "2"};
  // Each placement after each other one, so that a value one of them leaves
  // behind shows: a Centered after Stretched must take WallpaperStyle back.
  const Row rows[] = {centered, tiled, stretched, centered, stretched, tiled, centered};
  TWPChanger changer(nullptr);
  const std::string atConstruction = changer.Wallpaper();
  for (const Row& row : rows) {
    SCOPED_TRACE("placement " + std::to_string(row.position));
    support::ChangerEvents log(changer);
    changer.ChangeWallPaper(picture, row.position);
    EXPECT_EQ(log.events, (std::vector<std::string>{"begin", "finish"}));
    EXPECT_EQ(desktop.Read("TileWallpaper"), row.tile);
    EXPECT_EQ(desktop.Read("WallpaperStyle"), row.style);
    EXPECT_EQ(desktop.Read("Wallpaper"), picture);
    // The system records the new path before "PrevWallpaper" is copied.
    EXPECT_EQ(desktop.Read("PrevWallpaper"), picture);
    for (const char* name : Names) EXPECT_EQ(desktop.TypeOf(name), platform::RegSz) << name << ": strings, not numbers";
    EXPECT_EQ(changer.GetCurrentWallpaper(), picture);
    EXPECT_EQ(changer.GetCurrentPosition(), row.position);
    EXPECT_EQ(changer.Wallpaper(), atConstruction) << "the property is not updated";
  }
}

TEST(ChangerOnTheSystem, AMissingPictureRaisesOnlyFileNotFoundAndChangesNothing) {
  support::TestMachine scratch;
  DesktopValues desktop;
  std::map<std::string, std::string> before;
  for (const char* name : Names) before[name] = desktop.Read(name);
  TWPChanger changer(nullptr);
  support::ChangerEvents log(changer);
  changer.ChangeWallPaper(scratch.Folder() + "missing.bmp", muralto::wpTiled);
  changer.ChangeWallPaper(scratch.Folder(), muralto::wpTiled);  // a folder is no file
  EXPECT_EQ(log.events, (std::vector<std::string>{"not found", "not found"}));
  // A call to the system would have recorded its path in "Wallpaper".
  for (const char* name : Names) EXPECT_EQ(desktop.Read(name), before[name]) << name;
}

}  // namespace
