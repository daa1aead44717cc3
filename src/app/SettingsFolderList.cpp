#include <algorithm>

#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/io/IniSectionText.h"
#include "toolkit/io/IniSectionValues.h"
#include "toolkit/io/ReplacementFile.h"

namespace muralto {

namespace {

const char* const Section = "Folders";

std::string FolderKey(int n) { return "Folder" + std::to_string(n); }
std::string CheckedKey(int n) { return "Checked Folder" + std::to_string(n); }

}  // namespace

// The whole section is read at once: a search of the file for each of the
// 2N keys made long lists slow to load. Total decides how many entries
// there are, up to a bound against a damaged Total (2147483647 once made
// the start hang): the larger of MaxFolderEntries and the highest entry
// number the file holds a key for, found in the keys already read. A list
// grown past MaxFolderEntries in one run (a drop is saved whole) thus loads
// whole, and the next save drops none of it. A key numbered far beyond
// anything the file could hold a list of (Folder2000000000 with a damaged
// Total) counts for nothing, so what loads stays in proportion to the file.
void LoadFolderList(MainWindowState& state) {
  toolkit::TListItems& folders = state.Folders();
  IniFileScope scope(state.folderListPath);
  const toolkit::TIniSectionValues values(state.folderListPath, Section);
  const int plausible = 2 * MaxFolderEntries + values.KeyCount();
  const int stored =
      std::max(values.HighestNumberedKey("Folder", plausible), values.HighestNumberedKey("Checked Folder", plausible));
  state.folderTotal = std::min(values.ReadInteger("Total", 0), std::max(MaxFolderEntries, stored));
  const toolkit::TListItems::UpdateScope update(folders);
  for (int i = 0; i < state.folderTotal; ++i) {
    // Filled through the new item itself, so entries already listed stay as
    // they are.
    toolkit::TListItem* item = folders.Add();
    item->SetCaption(values.ReadString(FolderKey(i + 1), ""));
    item->SetChecked(values.ReadBool(CheckedKey(i + 1), true));
  }
}

// The file is written in one piece with the bytes that writing it entry by
// entry gives: each profile write rewrites the whole file, which made a long
// list cost the square of its length.
void SaveFolderList(const MainWindowState& state) {
  const std::string& path = state.folderListPath;
  IniFileScope scope(path);
  toolkit::TIniSectionText text(Section);
  const toolkit::TListItems& folders = state.Folders();
  text.WriteInteger("Total", folders.Count());
  for (int i = 0; i < folders.Count(); ++i) {
    text.WriteString(FolderKey(i + 1), folders.Item(i)->Caption());
    text.WriteBool(CheckedKey(i + 1), folders.Item(i)->Checked());
  }
  toolkit::TReplacementFile replacement(path);
  try {
    text.SaveToFile(replacement.Path());
  } catch (const toolkit::EIniFileException&) {
    throw toolkit::EIniFileException(toolkit::msg::IniFileWriteError(path));
  }
  if (!replacement.Commit()) throw toolkit::EIniFileException(toolkit::msg::IniFileWriteError(path));
}

}  // namespace muralto
