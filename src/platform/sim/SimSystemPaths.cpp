// The executable's path and the Windows folder, as a test has set them.
#include <cstring>

#include "platform/files.h"
#include "platform/sim/SimMachine.h"

namespace platform {

std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size) {
  const std::string& path = sim::machine::TheMachine().moduleFileName;
  if (buffer == nullptr) {
    sim::SetLastError(ErrorInvalidParameter);
    return 0;
  }
  if (path.size() + 1 > size) {
    // Filled to the brim without a terminating NUL, as the real call does.
    std::memcpy(buffer, path.data(), size);
    sim::SetLastError(ErrorInsufficientBuffer);
    return size;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<std::uint32_t>(path.size());
}

// The shell starts a program with its path in quotes and no arguments.
const char* GetCommandLineA() {
  auto& machine = sim::machine::TheMachine();
  machine.commandLine = "\"" + machine.moduleFileName + "\"";
  return machine.commandLine.c_str();
}

std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size) {
  const std::string& path = sim::machine::TheMachine().windowsDirectory;
  if (path.empty()) {
    sim::SetLastError(ErrorPathNotFound);
    return 0;
  }
  if (buffer == nullptr || path.size() + 1 > size) return static_cast<std::uint32_t>(path.size() + 1);
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<std::uint32_t>(path.size());
}

}  // namespace platform
