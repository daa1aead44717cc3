#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "platform/files.h"
#include "toolkit/core/PathNames.h"
#include "toolkit/io/IniDocument.h"

namespace muralto {

namespace {

const char* const Options = "Options";
const char* const Pause = "Pause";

}  // namespace

std::string MainSettingsPath() { return toolkit::ChangeFileExt(toolkit::ModuleFileName(), ".ini"); }

void LoadSettings(MainWindowState& state) {
  IniFileScope scope(MainSettingsPath());
  // Each section in one read, looked up by the reader's rules: every start
  // reads the file, and each key asked for alone is one more read of it.
  const toolkit::TIniDocument file(scope.Ini().FileName(), {Options, Pause});
  // Stored as read: the controls apply their ranges later.
  state.languageName = file.ReadString(Options, "Language", "English");
  state.autoStart = file.ReadBool(Options, "Auto Start", true);
  state.showTray = file.ReadBool(Options, "tray", true);
  state.selectionMode = file.ReadInteger(Options, "Selection", 0);
  state.positionMode = file.ReadInteger(Options, "Position", 0);
  state.hours = file.ReadInteger(Pause, "Hour", 1);
  state.minutes = file.ReadInteger(Pause, "Min", 0);
  state.seconds = file.ReadInteger(Pause, "Sec", 0);
}

// Under Wine the profile functions take some 25 ms for the eight entries of a
// new file, a good part of a first start, against under one millisecond for
// the same bytes written at once. Over an existing file they are quick, since
// they keep the file they have just read in memory: that case stays theirs,
// entry by entry, never the whole file, so that keys of others survive.
void SaveSettings(const MainWindowState& state) {
  const std::string path = MainSettingsPath();
  IniFileScope scope(path);
  const bool newFile = platform::GetFileAttributesA(path.c_str()) == platform::InvalidFileAttributes;
  toolkit::TIniDocument document;
  toolkit::TIniFile& ini = scope.Ini();
  const auto write = [&](const char* section, const char* key, const std::string& value) {
    newFile ? document.WriteString(section, key, value) : ini.WriteString(section, key, value);
  };
  write(Options, "Language", state.languageName);
  write(Options, "Auto Start", state.autoStart ? "1" : "0");
  write(Options, "tray", state.showTray ? "1" : "0");
  write(Options, "Selection", std::to_string(state.selectionMode));
  write(Options, "Position", std::to_string(state.positionMode));
  write(Pause, "Hour", std::to_string(state.hours));
  write(Pause, "Min", std::to_string(state.minutes));
  write(Pause, "Sec", std::to_string(state.seconds));
  if (newFile) document.SaveToFile(path);
}

}  // namespace muralto
