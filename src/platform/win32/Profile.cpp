// Profile files over the real API.
#include <windows.h>

#include "platform/profile.h"

namespace platform {

std::uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue, char* buffer,
                                       std::uint32_t size, const char* fileName) {
  return ::GetPrivateProfileStringA(section, key, defaultValue, buffer, size, fileName);
}

bool WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName) {
  return ::WritePrivateProfileStringA(section, key, value, fileName) != FALSE;
}

std::uint32_t GetPrivateProfileSectionA(const char* section, char* buffer, std::uint32_t size, const char* fileName) {
  return ::GetPrivateProfileSectionA(section, buffer, size, fileName);
}

}  // namespace platform
