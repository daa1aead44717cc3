// Wine's ntdll exports its version; Windows' does not.
#include <windows.h>

#include "support/WineDeviation.h"

namespace support {

bool RunsOnWine() {
  const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace support
