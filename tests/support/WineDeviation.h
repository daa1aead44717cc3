#pragma once
// Where Wine is known to differ from documented Windows behaviour. Each check
// reports at the caller's line, so that a failure points at the test.
#include <source_location>
#include <string>

namespace support {

// Whether the system under test is Wine; false on the simulated machine.
bool RunsOnWine();

// windowsResult: whether the Windows behaviour was seen; wineResult: whether
// Wine's was. Where onWine, the Windows behaviour must NOT be seen and Wine's
// must: a deviation that disappears fails the test, so the marker cannot go
// stale. Elsewhere the Windows behaviour must be seen.
void KnownWineDeviation(bool onWine, bool windowsResult, bool wineResult, const std::string& why,
                        std::source_location where = std::source_location::current());

}  // namespace support
