#pragma once
// The user's regional settings.
#include <cstdint>

namespace platform {

inline constexpr std::uint32_t LocaleUserDefault = 0x0400;
inline constexpr std::uint32_t LocaleSDecimal = 0x000E;

// Copies the setting with a terminating zero; returns the characters
// written including the zero, or 0 on failure.
int GetLocaleInfoA(std::uint32_t locale, std::uint32_t type, char* buffer, int size);

}  // namespace platform
