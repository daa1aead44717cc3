// The executable's path and the Windows folder, as a test has set them.
#include <cstring>

#include "platform/files.h"
#include "platform/sim/SimState.h"

namespace platform {

std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size) {
  const std::string& path = sim::machine::TheState().moduleFileName;
  if (buffer == nullptr) {
    SetLastError(ErrorInvalidParameter);
    return 0;
  }
  if (path.size() + 1 > size) {
    // Filled to the brim without a terminating NUL, as the real call does.
    std::memcpy(buffer, path.data(), size);
    SetLastError(ErrorInsufficientBuffer);
    return size;
  }
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<std::uint32_t>(path.size());
}

// The shell starts a program with its path in quotes and no arguments.
const char* GetCommandLineA() {
  auto& state = sim::machine::TheState();
  state.commandLine = "\"" + state.moduleFileName + "\"";
  return state.commandLine.c_str();
}

std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size) {
  const std::string& path = sim::machine::TheState().windowsDirectory;
  if (path.empty()) {
    SetLastError(ErrorPathNotFound);
    return 0;
  }
  if (buffer == nullptr || path.size() + 1 > size) return static_cast<std::uint32_t>(path.size() + 1);
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<std::uint32_t>(path.size());
}

}  // namespace platform
