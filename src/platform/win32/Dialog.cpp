// Message boxes and beeps over the real API.
#include <windows.h>

#include "platform/dialogs.h"

namespace platform {

int MessageBoxA(Hwnd owner, const char* text, const char* caption, std::uint32_t type) {
  return ::MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, type);
}

bool MessageBeep(std::uint32_t type) { return ::MessageBeep(type) != 0; }

}  // namespace platform
