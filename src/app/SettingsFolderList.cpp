#include <algorithm>

#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "platform/files.h"
#include "toolkit/core/Exceptions.h"

namespace muralto {

namespace {

const char* const Section = "Folders";

std::string FolderKey(int n) { return "Folder" + std::to_string(n); }
std::string CheckedKey(int n) { return "Checked Folder" + std::to_string(n); }

// Removes a half-written replacement file unless told it has been moved.
class PendingFile {
 public:
  explicit PendingFile(std::string path) : path_(std::move(path)) { platform::DeleteFileA(path_.c_str()); }
  ~PendingFile() {
    if (!kept_) platform::DeleteFileA(path_.c_str());
  }
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  const std::string& Path() const { return path_; }
  void Keep() { kept_ = true; }

 private:
  std::string path_;
  bool kept_ = false;
};

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
  PendingFile replacement(path + ".new");
  try {
    WriteEntries(state, replacement.Path());
  } catch (const vcl::EIniFileException&) {
    throw vcl::EIniFileException(vcl::msg::IniFileWriteError(path));
  }
  if (!platform::MoveFileExA(replacement.Path().c_str(), path.c_str(), platform::MoveFileReplaceExisting)) {
    throw vcl::EIniFileException(vcl::msg::IniFileWriteError(path));
  }
  replacement.Keep();
}

}  // namespace muralto
