#pragma once
// Profile (INI) files as GetPrivateProfileStringA/WritePrivateProfileStringA
// and GetPrivateProfileSectionA treat them.
#include <cstdint>

namespace platform {

// Returns the number of characters copied, not counting the terminating NUL.
std::uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue, char* buffer,
                                       std::uint32_t size, const char* fileName);
// key == nullptr deletes the section, value == nullptr deletes the key.
// Returns false when the system refuses the write (GetLastError tells why).
bool WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName);

// The entries of the first section of that name, in the file's order, each
// as its trimmed key, "=" and its value as the file holds it (no quotes
// removed), or the trimmed key alone for a line without "="; comment lines
// are left out, a line with nothing before its "=" is not. Each ends in a
// NUL and the list in a second one; a list that does not fit is cut, and the
// result is then size - 2. Returns the characters copied without the last NUL.
std::uint32_t GetPrivateProfileSectionA(const char* section, char* buffer, std::uint32_t size, const char* fileName);

}  // namespace platform
