#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "app/SettingsNewFile.h"
#include "toolkit/core/PathNames.h"

namespace muralto {

std::string MainSettingsPath() { return toolkit::ChangeFileExt(toolkit::ModuleFileName(), ".ini"); }

void LoadSettings(MainWindowState& state) {
  IniFileScope scope(MainSettingsPath());
  toolkit::TIniFile& ini = scope.Ini();
  // Stored as read: the controls apply their ranges later.
  state.languageName = ini.ReadString("Options", "Language", "English");
  state.autoStart = ini.ReadBool("Options", "Auto Start", true);
  state.showTray = ini.ReadBool("Options", "tray", true);
  state.selectionMode = ini.ReadInteger("Options", "Selection", 0);
  state.positionMode = ini.ReadInteger("Options", "Position", 0);
  state.hours = ini.ReadInteger("Pause", "Hour", 1);
  state.minutes = ini.ReadInteger("Pause", "Min", 0);
  state.seconds = ini.ReadInteger("Pause", "Sec", 0);
}

void SaveSettings(const MainWindowState& state) {
  const std::vector<SettingsEntry> entries = {
      {"Options", "Language", state.languageName},
      {"Options", "Auto Start", state.autoStart ? "1" : "0"},
      {"Options", "tray", state.showTray ? "1" : "0"},
      {"Options", "Selection", std::to_string(state.selectionMode)},
      {"Options", "Position", std::to_string(state.positionMode)},
      {"Pause", "Hour", std::to_string(state.hours)},
      {"Pause", "Min", std::to_string(state.minutes)},
      {"Pause", "Sec", std::to_string(state.seconds)},
  };
  const std::string path = MainSettingsPath();
  IniFileScope scope(path);
  if (WriteNewSettingsFile(path, entries)) return;
  toolkit::TIniFile& ini = scope.Ini();
  // Entry by entry, never the whole file: keys of others survive.
  for (const SettingsEntry& entry : entries) ini.WriteString(entry.section, entry.key, entry.value);
}

}  // namespace muralto
