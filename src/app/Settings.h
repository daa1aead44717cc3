#pragma once
// The two settings files: the main settings file beside the executable and
// the folder list file in the data folder.
#include <string>

#include "app/MainWindowState.h"

namespace muralto {

// The executable's path with its extension replaced by ".ini", worked out
// anew at every call.
std::string MainSettingsPath();

void LoadSettings(MainWindowState& state);
void SaveSettings(const MainWindowState& state);

// A Total beyond both this and the highest entry number the file holds a
// key for is taken for damage: no entries past the larger of the two load.
inline constexpr int MaxFolderEntries = 10000;

void LoadFolderList(MainWindowState& state);
// Writes a complete new file beside the old one and then puts it in the
// old one's place, so a failed save leaves the previous list intact.
void SaveFolderList(const MainWindowState& state);

}  // namespace muralto
