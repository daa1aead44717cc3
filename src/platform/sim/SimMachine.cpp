#include "platform/sim/SimMachine.h"

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

Machine::Machine() {
  drives['Z'] = std::string(1, '/');
  RegistryKey* desktop = registry.Create("Control Panel\\desktop", nullptr);
  desktop->SetValue("Wallpaper", StringValue(""));
  desktop->SetValue("TileWallpaper", StringValue("0"));
  desktop->SetValue("WallpaperStyle", StringValue("0"));
  registry.Create("Software\\Microsoft\\Windows\\CurrentVersion\\Run", nullptr);
}

void Machine::CloseFiles() {
  for (auto& [handle, file] : files) close(file.fd);
  files.clear();
}

Machine& TheMachine() {
  static Machine machine;
  return machine;
}

}  // namespace sim::machine
