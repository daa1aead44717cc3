#include "contract/ContractChecks.h"

#include <cstdio>

#include "support/WineDeviation.h"

namespace contract {

std::string Visible(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '\r') {
      text += "\\r";
    } else if (c == '\n') {
      text += "\\n";
    } else if (b < 32 || b > 126) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", b);
      text += escaped;
    } else {
      text += c;
    }
  }
  return text;
}

void ExpectText(const std::string& actual, const std::string& expected, const std::string& what,
                std::source_location where) {
  if (actual == expected) return;
  ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
      << what << "\n  actual:   \"" << Visible(actual) << "\"\n  expected: \"" << Visible(expected) << "\"";
}

void KnownWineDeviation(bool windowsResult, bool wineResult, const std::string& why, std::source_location where) {
  support::KnownWineDeviation(support::RunsOnWine(), windowsResult, wineResult, why, where);
}

}  // namespace contract
