#pragma once
// Message boxes and the system's sounds.
#include <cstdint>

#include "platform/windowing.h"

namespace platform {

inline constexpr std::uint32_t MbOk = 0x0;
inline constexpr std::uint32_t MbOkCancel = 0x1;
inline constexpr std::uint32_t MbYesNo = 0x4;
inline constexpr std::uint32_t MbIconError = 0x10;
inline constexpr std::uint32_t MbIconQuestion = 0x20;
inline constexpr std::uint32_t MbIconWarning = 0x30;
inline constexpr std::uint32_t MbIconInformation = 0x40;
// The second button is the one Enter presses.
inline constexpr std::uint32_t MbDefButton2 = 0x100;
inline constexpr std::uint32_t MbTaskModal = 0x2000;
inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;

// Shows a modal message box owned by owner (0: none) and returns the button
// chosen. Its own message loop keeps dispatching the thread's messages,
// timer ticks included.
int MessageBoxA(Hwnd owner, const char* text, const char* caption, std::uint32_t type);
// type 0 (MB_OK) is the system's default sound.
bool MessageBeep(std::uint32_t type);

}  // namespace platform
