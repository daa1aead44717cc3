#pragma once
// The simulated Windows that native builds and tests run against. Tests set
// it up and read it back through these functions; the program's own code
// only ever sees the platform/ interfaces.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace sim {

// Back to a fresh machine: empty registry but for the desktop key of a new
// user, no drive mappings but Z: -> "/", default module path and screen.
void Reset();

// Drive letter -> host folder. "C:\a\b" then means hostFolder + "/a/b".
// Z: maps to the host's "/" after Reset, as under Wine.
void MapDrive(char letter, const std::string& hostFolder);
void UnmapDrive(char letter);
// Host path of a Windows path, or "" when its drive is not mapped.
std::string HostPath(const std::string& windowsPath);
// Windows path of a host path, through the mapped drives (Z: last).
std::string WindowsPath(const std::string& hostPath);

// Attribute bits POSIX cannot carry (hidden, system, read-only folder,
// reparse point), added to what the host file gives.
void SetExtraAttributes(const std::string& windowsPath, std::uint32_t bits);

// A write refused by the system, for paths under this Windows folder.
void DenyWritesUnder(const std::string& windowsFolder);

void SetModuleFileName(const std::string& windowsPath);
void SetWindowsDirectory(const std::string& windowsPath);  // "" makes the call fail

// Registry of the current user: keys are paths without a leading backslash,
// looked up without regard to case.
struct RegValue {
  std::uint32_t type = 1;
  std::vector<std::uint8_t> data;
};
bool RegKeyExists(const std::string& key);
void RegCreateKey(const std::string& key);
void RegDeleteKey(const std::string& key);
void RegSetString(const std::string& key, const std::string& name, const std::string& value);
void RegSetRaw(const std::string& key, const std::string& name, const RegValue& value);
bool RegGet(const std::string& key, const std::string& name, RegValue* value);
std::string RegGetString(const std::string& key, const std::string& name);  // "" when missing
// Every registry write and delete, in order, as "set Name=value" / "delete Name".
std::vector<std::string>& RegJournal();
// Make the next registry writes under this key fail with this error code.
void RegFailWritesUnder(const std::string& key, long error);

// The desktop.
struct Screen {
  int width = 1024;
  int height = 768;
  int bitsPerPixel = 32;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top-down; filled by a pattern when empty
};
Screen& TheScreen();
// SystemParametersInfoA(SPI_SETDESKWALLPAPER) calls, with the path each passed.
struct WallpaperCall {
  std::uint32_t param;
  std::string path;
  std::uint32_t winIni;
};
std::vector<WallpaperCall>& WallpaperCalls();
// Whether SPI_SETDESKWALLPAPER with SPIF_UPDATEINIFILE records the path in
// "Wallpaper", as Windows and Wine do. On by default.
void SetWallpaperCallRecordsPath(bool on);

}  // namespace sim
