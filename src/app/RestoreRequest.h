#pragma once
// The request a second copy sends to the running one: show the main window,
// restored and in front. Without it a copy started hidden with no tray icon
// could not be reached at all. The message goes to the running copy's
// application window, which the program subclasses for it.
#include <cstdint>

#include "platform/windowing.h"

namespace muralto {

inline constexpr std::uint32_t RestoreRequestMessage = platform::WmApp + 0x4D;

bool PostRestoreRequest(platform::Hwnd applicationWindow);
// Subclasses the application object's window; Remove undoes it.
void InstallRestoreRequestHandler();
void RemoveRestoreRequestHandler();

}  // namespace muralto
