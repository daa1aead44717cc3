#pragma once
// The simulated Windows that native builds and tests run against. Tests set
// it up and read it back through these functions; the program's own code
// only ever sees the platform/ interfaces.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sim {

// Back to a fresh machine, the one reset of every piece of it: every window
// destroyed (their procedures still called), then an empty registry but for
// the desktop key of a new user, no drive mappings but Z: -> "/", default
// module path and screen, no icons, registered messages, timers, tray
// icons, drops or records, clock 0 and a "." decimal separator. The module
// path is then "C:\Program Files\Muralto\Muralto.exe" and the Windows
// folder "C:\windows": both lie on C:, which a test maps to a scratch folder
// of its own. Open files and find handles are closed. GDI objects and device
// contexts belong to the process and stay.
void Reset();

// Drive letter -> host folder. "C:\a\b" then means hostFolder + "/a/b".
// Z: maps to the host's "/" after Reset, as under Wine. Either separator is
// accepted; a path without a drive lies on C:, whose current folder is its
// root. Existing names are found without regard to case.
void MapDrive(char letter, const std::string& hostFolder);
void UnmapDrive(char letter);
// Host path of a Windows path, or "" when its drive is not mapped.
std::string HostPath(const std::string& windowsPath);
// Windows path of a host path, through the mapped drives (Z: last).
std::string WindowsPath(const std::string& hostPath);

// Attribute bits POSIX cannot carry (hidden, system, read-only folder,
// reparse point), added to what the host file gives. Each call replaces the
// bits of that path; 0 removes them. The host already gives: 0x20 file,
// 0x10 folder, 0x1 without any write bit, 0x400 for a symlinked folder; a
// broken symlink does not exist. A name starting with "." is no hidden file
// on Windows (Wine marks it hidden).
void SetExtraAttributes(const std::string& windowsPath, std::uint32_t bits);

// A write refused by the system (error 5), for paths under this Windows
// folder: profile writes, new files, deletions and renames.
void DenyWritesUnder(const std::string& windowsFolder);

// A disk that fills up: after this many more bytes in all, WriteFile writes
// only what still fits and fails with ERROR_DISK_FULL (112), the bytes that
// fit left in the file. Until Reset, or until called with NoDiskLimit.
inline constexpr std::uint64_t NoDiskLimit = ~std::uint64_t{0};
void LimitDiskSpace(std::uint64_t bytes);

// Runs at the start of every FindFirstFileA with its pattern, until Reset or
// until replaced by nullptr. A test throws from it to stand for a folder
// walk that breaks off with a failure, as one runs out of memory.
void SetFindHook(std::function<void(const std::string& pattern)> hook);

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
// Every registry write and delete made through the platform calls, in
// order, as "set Name=value" / "delete Name"; keys as "create key path" /
// "delete key path" (lower-cased). Strings show as text, REG_DWORD in
// decimal, other types as "hex:01,02". Refused writes and the system's own
// write of "Wallpaper" (SystemParametersInfoA) are not recorded.
std::vector<std::string>& RegJournal();
// RegDeleteKeyA as the system does it, for tests to clear keys they made:
// a key with sub-keys stays (ErrorAccessDenied).
long RegDeleteKeyA(platform::Hkey root, const char* subKey);
// Make the registry writes under this key (itself included; "" for all)
// fail with this error code until Reset, or until called with error 0.
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

// The font a device context holds: the system font's stock object unless
// one was selected into it since GetDC or BeginPaint gave it out.
std::uintptr_t FontSelectedInto(platform::Hdc dc);
// The device contexts open and the GDI objects alive in the process. A font
// counts from its second live copy of one face, height, weight and
// underline: one of each is the toolkit's font cache, which keeps its fonts
// for the run.
struct GdiCount {
  std::size_t contexts = 0;
  std::size_t objects = 0;
};
GdiCount GdiInUse();

// The last error of the simulated thread (GetLastError), which the calls
// set as Windows' do.
std::uint32_t LastError();
void SetLastError(std::uint32_t code);

// The fixed handle GetDesktopWindow returns.
inline constexpr std::uintptr_t DesktopWindowHandle = 0x10010;

}  // namespace sim
