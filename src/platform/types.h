#pragma once
// Handle and value types of the operating-system layer. The names follow the
// Windows ones without clashing with the macros of the real headers.
#include <cstdint>

namespace platform {

using Handle = std::uintptr_t;  // files, find handles
using Hkey = std::uintptr_t;
using Hwnd = std::uintptr_t;
using Hdc = std::uintptr_t;

inline constexpr Handle InvalidHandleValue = ~Handle{0};

// MAX_PATH: the longest path the ANSI calls take, its NUL included.
inline constexpr std::uint32_t MaxPath = 260;

// Error codes as GetLastError and the registry functions report them.
inline constexpr long ErrorSuccess = 0;
inline constexpr long ErrorFileNotFound = 2;
inline constexpr long ErrorPathNotFound = 3;
inline constexpr long ErrorAccessDenied = 5;
inline constexpr long ErrorInvalidHandle = 6;
inline constexpr long ErrorNoMoreFiles = 18;
inline constexpr long ErrorSharingViolation = 32;
inline constexpr long ErrorFileExists = 80;
inline constexpr long ErrorInvalidParameter = 87;
inline constexpr long ErrorInsufficientBuffer = 122;
inline constexpr long ErrorAlreadyExists = 183;
inline constexpr long ErrorMoreData = 234;

struct Rect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

}  // namespace platform
