// The simulated machine stands in for Windows itself.
#include "support/WineDeviation.h"

namespace support {

bool RunsOnWine() { return false; }

}  // namespace support
