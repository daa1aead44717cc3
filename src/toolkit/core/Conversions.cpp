#include "toolkit/core/Conversions.h"

#include <cstdint>

#include "toolkit/core/Exceptions.h"

namespace toolkit {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int> TryStrToInt(const std::string& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  bool hex = false;
  if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    // "0x" stands only at the start, without a sign, and needs digits after it.
    hex = true;
    i += 2;
  } else {
    if (i < n && (text[i] == '-' || text[i] == '+')) {
      negative = text[i] == '-';
      ++i;
    }
    if (i < n && text[i] == '$') {
      hex = true;
      ++i;
    }
  }
  if (i >= n) return std::nullopt;

  // Hexadecimal covers the whole 32-bit pattern ($FFFFFFFF is -1); decimal
  // stops at the signed range.
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t value = 0;
  for (; i < n; ++i) {
    const int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<int>(static_cast<std::int32_t>(bits));
}

int StrToInt(const std::string& text) {
  if (auto value = TryStrToInt(text)) return *value;
  throw EConvertError(msg::InvalidInteger(text));
}

int StrToIntDef(const std::string& text, int defaultValue) { return TryStrToInt(text).value_or(defaultValue); }

}  // namespace toolkit
