#pragma once
// GUI timers: WM_TIMER messages posted to a window of the calling thread.
#include <cstdint>

#include "platform/windowing.h"

namespace platform {

// Starts or restarts timer id of the window; the first WM_TIMER comes one
// interval after the call. Returns id, or 0 when the system refuses a timer.
// A timer whose ticks are missed while the thread is busy ticks once, not
// once per missed interval.
std::uintptr_t SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs);
bool KillTimer(Hwnd window, std::uintptr_t id);

}  // namespace platform
