// Regional settings of the simulated user: a decimal point unless a test
// chooses another separator.
#include <cstring>
#include <string>

#include "platform/locale.h"
#include "platform/sim/SimMachine.h"

namespace platform {

int GetLocaleInfoA(std::uint32_t, std::uint32_t type, char* buffer, int size) {
  if (type != LocaleSDecimal) return 0;
  const std::string& value = sim::machine::TheMachine().decimalSeparator;
  int needed = static_cast<int>(value.size()) + 1;
  if (!buffer || size == 0) return needed;
  if (size < needed) return 0;
  std::memcpy(buffer, value.c_str(), static_cast<std::size_t>(needed));
  return needed;
}

}  // namespace platform

namespace sim {
void SetDecimalSeparator(const std::string& separator) { machine::TheMachine().decimalSeparator = separator; }
}  // namespace sim
