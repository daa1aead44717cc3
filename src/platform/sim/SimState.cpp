#include "platform/sim/SimState.h"

#include <unistd.h>

namespace sim::machine {

namespace {

RegValue StringValue(const std::string& text) {
  RegValue value;
  value.type = 1;
  value.data.assign(text.begin(), text.end());
  value.data.push_back(0);
  return value;
}

}  // namespace

State::State() { Fresh(); }

State::~State() {
  for (auto& [handle, file] : files) close(file.fd);
}

void State::Fresh() {
  for (auto& [handle, file] : files) close(file.fd);
  files.clear();
  finds.clear();

  drives.clear();
  drives['Z'] = std::string(1, '/');
  extraAttributes.clear();
  deniedWriteFolders.clear();
  diskSpaceLeft = NoDiskLimit;
  findHook = nullptr;
  moduleFileName = "C:\\Program Files\\Muralto\\Muralto.exe";
  windowsDirectory = "C:\\windows";

  registry.Clear();
  RegistryKey* desktop = registry.Create("Control Panel\\desktop", nullptr);
  desktop->SetValue("Wallpaper", StringValue(""));
  desktop->SetValue("TileWallpaper", StringValue("0"));
  desktop->SetValue("WallpaperStyle", StringValue("0"));
  registry.Create("Software\\Microsoft\\Windows\\CurrentVersion\\Run", nullptr);
  openKeys.clear();
  journal.clear();
  registryFailures.clear();

  screen = Screen{};
  wallpaperCalls.clear();
  wallpaperCallRecordsPath = true;
  openDcs.clear();
  dcAttributes.clear();
}

State& TheState() {
  static State state;
  return state;
}

}  // namespace sim::machine
