#pragma once
// The simulated machine's state, shared by the sim's source files. One
// instance per process; sim::Reset() brings it back to a fresh machine.
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

struct State {
  std::map<char, std::string> drives;                    // upper-case letter -> host folder
  std::map<std::string, std::uint32_t> extraAttributes;  // lower-cased host path -> bits
  std::vector<std::string> deniedWriteFolders;           // lower-cased host folders
  std::uint64_t diskSpaceLeft = NoDiskLimit;             // bytes WriteFile may still write
  std::function<void(const std::string&)> findHook;      // before every FindFirstFileA
  std::string moduleFileName;
  std::string commandLine;
  std::string windowsDirectory;

  RegistryTree registry;
  std::map<platform::Hkey, std::string> openKeys;  // handle -> key path below HKCU
  platform::Hkey nextKey = 0x1000;
  std::vector<std::string> journal;
  std::vector<std::pair<std::string, long>> registryFailures;  // lower-cased key path, error

  Screen screen;
  std::vector<WallpaperCall> wallpaperCalls;
  bool wallpaperCallRecordsPath = true;
  std::vector<platform::Hdc> openDcs;
  platform::Hdc nextDc = 0x2000;
  // What was selected into a context and set on it; one not listed is as a
  // context fresh from GetDC or BeginPaint: the system font, black text on
  // white, the background filled (OPAQUE).
  struct DcAttributes {
    platform::Hgdiobj font = 0;  // 0: the system font
    std::uint32_t textColor = 0x000000;
    std::uint32_t backgroundColor = 0xFFFFFF;
    int backgroundMode = 2;
  };
  std::map<platform::Hdc, DcAttributes> dcAttributes;

  std::map<platform::Handle, OpenFile> files;
  std::map<platform::Handle, FindState> finds;
  platform::Handle nextHandle = 0x100;

  State();
  ~State();
  // Closes what is open and goes back to a fresh machine.
  void Fresh();
  State(const State&) = delete;
  State& operator=(const State&) = delete;
};

State& TheState();

}  // namespace sim::machine
