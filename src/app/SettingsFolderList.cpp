#include <algorithm>

#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/io/ReplacementFile.h"

namespace muralto {

namespace {

const char* const Section = "Folders";

std::string FolderKey(int n) { return "Folder" + std::to_string(n); }
std::string CheckedKey(int n) { return "Checked Folder" + std::to_string(n); }

void WriteEntries(const MainWindowState& state, const std::string& path) {
  IniFileScope scope(path);
  vcl::TIniFile& ini = scope.Ini();
  const vcl::TListItems& folders = state.Folders();
  ini.WriteInteger(Section, "Total", folders.Count());
  for (int i = 0; i < folders.Count(); ++i) {
    ini.WriteString(Section, FolderKey(i + 1), folders.Item(i)->Caption());
    ini.WriteBool(Section, CheckedKey(i + 1), folders.Item(i)->Checked());
  }
}

}  // namespace

void LoadFolderList(MainWindowState& state) {
  vcl::TListItems& folders = state.Folders();
  IniFileScope scope(state.folderListPath);
  vcl::TIniFile& ini = scope.Ini();
  state.folderTotal = std::min(ini.ReadInteger(Section, "Total", 0), MaxFolderEntries);
  for (int i = 0; i < state.folderTotal; ++i) {
    // Filled through the new item itself, so entries already listed stay as they are.
    vcl::TListItem* item = folders.Add();
    item->SetCaption(ini.ReadString(Section, FolderKey(i + 1), ""));
    item->SetChecked(ini.ReadBool(Section, CheckedKey(i + 1), true));
  }
}

void SaveFolderList(const MainWindowState& state) {
  const std::string& path = state.folderListPath;
  vcl::TReplacementFile replacement(path);
  try {
    WriteEntries(state, replacement.Path());
  } catch (const vcl::EIniFileException&) {
    throw vcl::EIniFileException(vcl::msg::IniFileWriteError(path));
  }
  if (!replacement.Commit()) throw vcl::EIniFileException(vcl::msg::IniFileWriteError(path));
}

}  // namespace muralto
