// GUI timers over the real API.
#include <windows.h>

#include "platform/timers.h"

namespace platform {

std::uintptr_t SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) {
  return ::SetTimer(reinterpret_cast<HWND>(window), id, elapseMs, nullptr);
}

bool KillTimer(Hwnd window, std::uintptr_t id) { return ::KillTimer(reinterpret_cast<HWND>(window), id) != 0; }

}  // namespace platform
