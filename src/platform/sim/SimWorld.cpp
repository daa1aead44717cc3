// The test-facing control of the simulated machine: drives, attributes,
// refused writes and the paths the system reports.
#include <algorithm>
#include <utility>

#include "platform/sim/SimPaths.h"
#include "platform/sim/SimState.h"
#include "platform/sim/SimText.h"
#include "platform/sim/world.h"

namespace sim {

using machine::TheState;

void Reset() { TheState().Fresh(); }

void MapDrive(char letter, const std::string& hostFolder) {
  std::string folder = hostFolder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  TheState().drives[static_cast<char>(letter & ~0x20)] = folder;
}

void UnmapDrive(char letter) { TheState().drives.erase(static_cast<char>(letter & ~0x20)); }

std::string HostPath(const std::string& windowsPath) { return machine::ToHostPath(windowsPath).value_or(""); }

std::string WindowsPath(const std::string& hostPath) { return machine::ToWindowsPath(hostPath); }

void SetExtraAttributes(const std::string& windowsPath, std::uint32_t bits) {
  const auto host = machine::ToHostPath(windowsPath);
  if (!host) return;
  if (bits == 0) {
    TheState().extraAttributes.erase(machine::LowerAnsi(*host));
  } else {
    TheState().extraAttributes[machine::LowerAnsi(*host)] = bits;
  }
}

void DenyWritesUnder(const std::string& windowsFolder) {
  const auto host = machine::ToHostPath(windowsFolder);
  if (host) TheState().deniedWriteFolders.push_back(machine::LowerAnsi(*host));
}

void LimitDiskSpace(std::uint64_t bytes) { TheState().diskSpaceLeft = bytes; }

void SetFindHook(std::function<void(const std::string& pattern)> hook) { TheState().findHook = std::move(hook); }

void SetModuleFileName(const std::string& windowsPath) { TheState().moduleFileName = windowsPath; }

void SetWindowsDirectory(const std::string& windowsPath) { TheState().windowsDirectory = windowsPath; }

}  // namespace sim
