#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "toolkit/core/PathNames.h"

namespace muralto {

std::string MainSettingsPath() { return vcl::ChangeFileExt(vcl::ModuleFileName(), ".ini"); }

void LoadSettings(MainWindowState& state) {
  IniFileScope scope(MainSettingsPath());
  vcl::TIniFile& ini = scope.Ini();
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
  IniFileScope scope(MainSettingsPath());
  vcl::TIniFile& ini = scope.Ini();
  // Entry by entry, never the whole file: keys of others survive.
  ini.WriteString("Options", "Language", state.languageName);
  ini.WriteBool("Options", "Auto Start", state.autoStart);
  ini.WriteBool("Options", "tray", state.showTray);
  ini.WriteInteger("Options", "Selection", state.selectionMode);
  ini.WriteInteger("Options", "Position", state.positionMode);
  ini.WriteInteger("Pause", "Hour", state.hours);
  ini.WriteInteger("Pause", "Min", state.minutes);
  ini.WriteInteger("Pause", "Sec", state.seconds);
}

}  // namespace muralto
