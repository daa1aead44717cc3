// The wallpaper changer against whatever system the build targets: the
// simulated Windows natively, the real registry and SystemParametersInfoA
// under Wine. Same expectations in both runs; the values the test touches
// are put back afterwards.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/registry.h"
#include "system/ScratchArea.h"
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
      if (registry_.ValueExists(name)) saved_[name] = registry_.ReadString(name);
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

TEST(ChangerOnTheSystem, EachPlacementLeavesItsStringValues) {
  systemtest::ScratchArea scratch;
  DesktopValues desktop;
  const std::string picture = scratch.MakeFile("picture.bmp", "BM");
  struct Row {
    muralto::TWallpaperPosition position;
    const char* tile;
    const char* style;
    muralto::TWallpaperPosition readBack;
  };
  const Row rows[] = {{muralto::wpCentered, "0", "0", muralto::wpCentered},
                      {muralto::wpTiled, "1", "0", muralto::wpTiled},
                      {muralto::wpStretched, "0", "2", muralto::wpStretched}};
  TWPChanger changer(nullptr);
  for (const Row& row : rows) {
    std::string events;
    changer.OnBeginChange = [&](toolkit::TObject*) { events += "begin "; };
    changer.OnFinishChange = [&](toolkit::TObject*) { events += "finish"; };
    changer.OnRegistryError = [&](toolkit::TObject*) { events += "registry-error "; };
    changer.ChangeWallPaper(picture, row.position);
    const std::string label = "placement " + std::to_string(row.position);
    EXPECT_EQ(events, "begin finish") << label;
    EXPECT_EQ(desktop.Read("TileWallpaper"), row.tile) << label;
    EXPECT_EQ(desktop.Read("WallpaperStyle"), row.style) << label;
    EXPECT_EQ(desktop.Read("Wallpaper"), picture) << label;
    // The system records the new path before "PrevWallpaper" is copied.
    EXPECT_EQ(desktop.Read("PrevWallpaper"), picture) << label;
    for (const char* name : Names) EXPECT_EQ(desktop.TypeOf(name), platform::RegSz) << label << ": " << name;
    EXPECT_EQ(changer.GetCurrentWallpaper(), picture) << label;
    EXPECT_EQ(changer.GetCurrentPosition(), row.readBack) << label;
  }
}

TEST(ChangerOnTheSystem, AMissingPictureChangesNothing) {
  systemtest::ScratchArea scratch;
  DesktopValues desktop;
  const std::string before = desktop.Read("Wallpaper");
  TWPChanger changer(nullptr);
  int notFound = 0;
  changer.OnFileNotFound = [&](toolkit::TObject*) { ++notFound; };
  changer.OnBeginChange = [&](toolkit::TObject*) { ADD_FAILURE() << "began"; };
  changer.ChangeWallPaper(scratch.Folder() + "missing.bmp", muralto::wpTiled);
  changer.ChangeWallPaper(scratch.Folder(), muralto::wpTiled);
  EXPECT_EQ(notFound, 2);
  EXPECT_EQ(desktop.Read("Wallpaper"), before);
}

}  // namespace
