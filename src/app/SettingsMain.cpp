#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "app/SettingsNewFile.h"
#include "toolkit/core/PathNames.h"
#include "toolkit/io/IniSectionValues.h"

namespace muralto {

std::string MainSettingsPath() { return toolkit::ChangeFileExt(toolkit::ModuleFileName(), ".ini"); }

void LoadSettings(MainWindowState& state) {
  IniFileScope scope(MainSettingsPath());
  // Each section in one read, looked up by the reader's rules: every start
  // reads the file, and each key asked for alone is one more read of it.
  const toolkit::TIniSectionValues options(scope.Ini().FileName(), "Options");
  const toolkit::TIniSectionValues pause(scope.Ini().FileName(), "Pause");
  // Stored as read: the controls apply their ranges later.
  state.languageName = options.ReadString("Language", "English");
  state.autoStart = options.ReadBool("Auto Start", true);
  state.showTray = options.ReadBool("tray", true);
  state.selectionMode = options.ReadInteger("Selection", 0);
  state.positionMode = options.ReadInteger("Position", 0);
  state.hours = pause.ReadInteger("Hour", 1);
  state.minutes = pause.ReadInteger("Min", 0);
  state.seconds = pause.ReadInteger("Sec", 0);
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
