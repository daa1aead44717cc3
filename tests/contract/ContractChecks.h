#pragma once
// Assertion helpers of the contract suites. Each reports at the caller's
// line, so that a failure points at the table row or the test, not here.
#include <gtest/gtest.h>

#include <cstdint>
#include <source_location>
#include <string>

#include "contract/ContractEnv.h"

namespace contract {

// Bytes set before a call, so that a test sees exactly what the call wrote.
inline constexpr unsigned char Poison = 0xcc;
inline constexpr std::uint32_t PoisonError = 0xdeadbeef;

// Printable form of bytes: CR, LF, NUL and bytes above 126 escaped.
std::string Visible(const std::string& bytes);

void ExpectText(const std::string& actual, const std::string& expected, const std::string& what,
                std::source_location where = std::source_location::current());

// A case where Wine is known to differ from documented Windows behaviour.
// windowsResult: whether the Windows behaviour was seen; wineResult:
// whether Wine's was. Under Wine the Windows behaviour must NOT be seen and
// Wine's must: a deviation that disappears fails the test, so the marker
// cannot go stale. On Windows, and in the simulated Windows, which follows
// Windows wherever Wine is more lenient, the Windows behaviour must be seen.
void KnownWineDeviation(bool windowsResult, bool wineResult, const std::string& why,
                        std::source_location where = std::source_location::current());

}  // namespace contract
