// Regional settings over the real API.
#include <windows.h>

#include "platform/locale.h"

namespace platform {

int GetLocaleInfoA(std::uint32_t locale, std::uint32_t type, char* buffer, int size) {
  return ::GetLocaleInfoA(locale, type, buffer, size);
}

}  // namespace platform
