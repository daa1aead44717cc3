// The test-facing control of the simulated machine: its reset, drives,
// attributes, refused writes, the paths the system reports and the last
// error.
#include <algorithm>
#include <utility>

#include "platform/sim/SimMachine.h"
#include "platform/sim/SimPaths.h"
#include "platform/sim/SimText.h"
#include "platform/sim/world.h"

namespace sim {

using machine::TheMachine;

void Reset() {
  // Windows go first: their procedures may still look at the machine.
  detail::DestroyAllWindows();
  machine::Machine& machine = TheMachine();
  machine.CloseFiles();
  const machine::HandleCounters next = machine.next;
  machine::GdiState gdi = std::move(machine.gdi);
  machine = machine::Machine();
  machine.next = next;
  machine.gdi = std::move(gdi);
}

std::uint32_t LastError() { return TheMachine().lastError; }
void SetLastError(std::uint32_t code) { TheMachine().lastError = code; }

void MapDrive(char letter, const std::string& hostFolder) {
  std::string folder = hostFolder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  TheMachine().drives[static_cast<char>(letter & ~0x20)] = folder;
}

void UnmapDrive(char letter) { TheMachine().drives.erase(static_cast<char>(letter & ~0x20)); }

std::string HostPath(const std::string& windowsPath) { return machine::ToHostPath(windowsPath).value_or(""); }

std::string WindowsPath(const std::string& hostPath) { return machine::ToWindowsPath(hostPath); }

void SetExtraAttributes(const std::string& windowsPath, std::uint32_t bits) {
  const auto host = machine::ToHostPath(windowsPath);
  if (!host) return;
  if (bits == 0) {
    TheMachine().extraAttributes.erase(machine::LowerAnsi(*host));
  } else {
    TheMachine().extraAttributes[machine::LowerAnsi(*host)] = bits;
  }
}

void DenyWritesUnder(const std::string& windowsFolder) {
  const auto host = machine::ToHostPath(windowsFolder);
  if (host) TheMachine().deniedWriteFolders.push_back(machine::LowerAnsi(*host));
}

void LimitDiskSpace(std::uint64_t bytes) { TheMachine().diskSpaceLeft = bytes; }

void SetFindHook(std::function<void(const std::string& pattern)> hook) { TheMachine().findHook = std::move(hook); }

void SetModuleFileName(const std::string& windowsPath) { TheMachine().moduleFileName = windowsPath; }

void SetWindowsDirectory(const std::string& windowsPath) { TheMachine().windowsDirectory = windowsPath; }

}  // namespace sim
