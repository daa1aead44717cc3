// Text and system paths over the real API.
#include <windows.h>

#include "platform/files.h"

namespace platform {

std::uint32_t CharLowerBuffA(char* buffer, std::uint32_t len) { return ::CharLowerBuffA(buffer, len); }

std::uint32_t GetModuleFileNameA(char* buffer, std::uint32_t size) {
  return ::GetModuleFileNameA(nullptr, buffer, size);
}

const char* GetCommandLineA() { return ::GetCommandLineA(); }

std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size) { return ::GetWindowsDirectoryA(buffer, size); }

}  // namespace platform
