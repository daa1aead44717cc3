#pragma once
// Profile (INI) files as GetPrivateProfileStringA/WritePrivateProfileStringA
// treat them.
#include <cstdint>

namespace platform {

// Returns the number of characters copied, not counting the terminating NUL.
std::uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                       char* buffer, std::uint32_t size, const char* fileName);
// key == nullptr deletes the section, value == nullptr deletes the key.
// Returns false when the system refuses the write (GetLastError tells why).
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                const char* fileName);

}  // namespace platform
