#pragma once
// The simulated machine: every piece of its state in one object, shared by
// the sim's source files. One instance per process; sim::Reset() brings it
// back to a fresh machine.
#include <compare>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/sim/SimRegistryTree.h"
#include "platform/sim/SimShellState.h"
#include "platform/sim/SimText.h"
#include "platform/sim/SimWindowState.h"
#include "platform/sim/world.h"
#include "platform/types.h"

namespace sim::machine {

// A file opened through OpenFileForReadDenyWrite or CreateFileAnew.
// Files are told apart by device and inode, so that two paths of one file
// (another drive letter, a symlink, another case) share one fate.
struct OpenFile {
  int fd = -1;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool forWrite = false;
};

struct FindState {
  std::vector<platform::FindDataA> entries;
  std::size_t next = 0;
};

struct FontInfo {
  int height = 0;
  bool bold = false;
  bool underline = false;
  std::string face;
  auto operator<=>(const FontInfo&) const = default;
};

// A device context from GetDC (until ReleaseDC) or BeginPaint (until
// EndPaint), with what was selected into it and set on it: fresh, the
// system font, black text on white, the background filled (OPAQUE).
struct DeviceContext {
  platform::Hgdiobj font = 0;  // 0: the system font
  std::uint32_t textColor = 0x000000;
  std::uint32_t backgroundColor = 0xFFFFFF;
  int backgroundMode = 2;
};

// The GDI objects and device contexts a process holds. They belong to the
// process, not to the machine, and so outlive Reset: one a test left behind
// is still counted when it ends.
struct GdiState {
  std::map<platform::Hfont, FontInfo> fonts;
  std::map<platform::Hdc, DeviceContext> dcs;
};

// The next handle of each kind the machine hands out.
struct HandleCounters {
  platform::Handle file = 0x100;  // files and find handles
  platform::Hkey key = 0x1000;
  platform::Hdc dc = 0x2000;
  platform::Hfont font = 0x40100;
};

struct Machine {
  // What belongs to the process rather than to the machine it runs on, and
  // so outlives Reset: handles of files, keys, contexts and fonts stay unique
  // for the whole run, so that one a test left open names nothing new, and
  // the GDI objects made stay what they were, as a program keeps its fonts
  // until it ends.
  HandleCounters next;
  GdiState gdi;

  // Disks and files.
  std::map<char, std::string> drives;                    // upper-case letter -> host folder
  std::map<std::string, std::uint32_t> extraAttributes;  // lower-cased host path -> bits
  std::vector<std::string> deniedWriteFolders;           // lower-cased host folders
  std::uint64_t diskSpaceLeft = NoDiskLimit;             // bytes WriteFile may still write
  std::function<void(const std::string&)> findHook;      // before every FindFirstFileA
  std::string moduleFileName = "C:\\Program Files\\Muralto\\Muralto.exe";
  std::string commandLine;
  std::string windowsDirectory = "C:\\windows";
  std::map<platform::Handle, OpenFile> files;
  std::map<platform::Handle, FindState> finds;

  // The registry of the current user.
  RegistryTree registry;
  std::map<platform::Hkey, std::string> openKeys;  // handle -> key path below HKCU
  std::vector<std::string> journal;
  std::vector<std::pair<std::string, long>> registryFailures;  // lower-cased key path, error

  // The desktop and drawing.
  Screen screen;
  std::vector<WallpaperCall> wallpaperCalls;
  bool wallpaperCallRecordsPath = true;

  // The window system of the GUI thread, and what the shell keeps.
  detail::WindowSystem windows;
  TrayState tray;
  ShellState shell;
  DropState drops;
  std::map<std::string, std::uint32_t> registeredMessages;  // lower-cased name -> number
  // Icons of the executable by lower-cased resource name.
  std::map<std::string, platform::Hicon> icons;

  std::string decimalSeparator = ".";
  std::uint32_t lastError = 0;

  // A new user's registry and Z: mapped to the host's root, as under Wine.
  Machine();
  // Closes the host files still open.
  void CloseFiles();
};

Machine& TheMachine();
// A new device context of the process's.
platform::Hdc OpenDc();

}  // namespace sim::machine

namespace sim::detail {
// The machine's window system.
inline WindowSystem& TheWindows() { return machine::TheMachine().windows; }
}  // namespace sim::detail
