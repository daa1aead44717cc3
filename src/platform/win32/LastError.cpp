#include <windows.h>

#include "platform/types.h"

namespace platform {

std::uint32_t GetLastError() { return ::GetLastError(); }
void SetLastError(std::uint32_t code) { ::SetLastError(code); }

}  // namespace platform
