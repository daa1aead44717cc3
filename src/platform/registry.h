#pragma once
// The registry functions the program uses, with the Windows semantics: a
// long result that is ErrorSuccess or a Windows error code.
#include <cstdint>

#include "platform/types.h"

namespace platform {

inline constexpr Hkey HkeyCurrentUser = 0x80000001u;
inline constexpr std::uint32_t KeyAllAccess = 0xF003F;

inline constexpr std::uint32_t RegNone = 0;
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegExpandSz = 2;
inline constexpr std::uint32_t RegBinary = 3;
inline constexpr std::uint32_t RegDword = 4;
inline constexpr std::uint32_t RegMultiSz = 7;

inline constexpr std::uint32_t RegCreatedNewKey = 1;
inline constexpr std::uint32_t RegOpenedExistingKey = 2;

// subKey is relative to root, without a leading backslash.
long RegOpenKeyExA(Hkey root, const char* subKey, std::uint32_t samDesired, Hkey* result);
long RegCreateKeyExA(Hkey root, const char* subKey, std::uint32_t samDesired, Hkey* result, std::uint32_t* disposition);
// As RegQueryValueExA: data may be null to ask for type and size only; a
// buffer too small gives ErrorMoreData with *size set to what is needed.
long RegQueryValueExA(Hkey key, const char* name, std::uint32_t* type, std::uint8_t* data, std::uint32_t* size);
long RegSetValueExA(Hkey key, const char* name, std::uint32_t type, const std::uint8_t* data, std::uint32_t size);
long RegDeleteValueA(Hkey key, const char* name);
long RegCloseKey(Hkey key);

}  // namespace platform
