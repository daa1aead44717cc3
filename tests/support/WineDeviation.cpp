#include "support/WineDeviation.h"

#include <gtest/gtest.h>

namespace support {

void KnownWineDeviation(bool onWine, bool windowsResult, bool wineResult, const std::string& why,
                        std::source_location where) {
  const int line = static_cast<int>(where.line());
  if (!onWine) {
    if (!windowsResult) ADD_FAILURE_AT(where.file_name(), line) << "Windows behaviour not seen: " << why;
    return;
  }
  if (windowsResult) {
    ADD_FAILURE_AT(where.file_name(), line) << "known Wine deviation no longer seen (remove the marker): " << why;
  }
  if (!wineResult) ADD_FAILURE_AT(where.file_name(), line) << "neither Windows nor known Wine behaviour: " << why;
}

}  // namespace support
