#include <algorithm>

#include "app/IniFileReference.h"
#include "app/Settings.h"
#include "toolkit/io/IniDocument.h"

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
  // Like every settings operation, it keeps an INI object in iniFile while it works.
  IniFileScope scope(state.folderListPath);
  const toolkit::TIniDocument file(state.folderListPath, {Section});
  const int plausible = 2 * MaxFolderEntries + file.KeyCount(Section);
  const int stored = std::max(file.HighestNumberedKey(Section, "Folder", plausible),
                              file.HighestNumberedKey(Section, "Checked Folder", plausible));
  state.folderTotal = std::min(file.ReadInteger(Section, "Total", 0), std::max(MaxFolderEntries, stored));
  const toolkit::TListItems::UpdateScope update(folders);
  for (int i = 0; i < state.folderTotal; ++i) {
    // Filled through the new item itself, so entries already listed stay as
    // they are.
    toolkit::TListItem* item = folders.Add();
    item->SetCaption(file.ReadString(Section, FolderKey(i + 1), ""));
    item->SetChecked(file.ReadBool(Section, CheckedKey(i + 1), true));
  }
}

// The file is written in one piece with the bytes that writing it entry by
// entry gives: each profile write rewrites the whole file, which made a long
// list cost the square of its length.
// The file is written in one piece with the bytes that writing it entry by
// entry gives: each profile write rewrites the whole file, which made a long
// list cost the square of its length.
void SaveFolderList(const MainWindowState& state) {
  // Like every settings operation, it keeps an INI object in iniFile while it works.
  IniFileScope scope(state.folderListPath);
  toolkit::TIniDocument file;
  const toolkit::TListItems& folders = state.Folders();
  file.WriteInteger(Section, "Total", folders.Count());
  for (int i = 0; i < folders.Count(); ++i) {
    file.WriteString(Section, FolderKey(i + 1), folders.Item(i)->Caption());
    file.WriteBool(Section, CheckedKey(i + 1), folders.Item(i)->Checked());
  }
  file.SaveToFile(state.folderListPath);
}

}  // namespace muralto
