#include <cstdint>
#include <string>

#include "shell/SpinEdit.h"

namespace muralto {

// Only decimal notation is read: the field shows decimal numbers, and a
// pasted "$1F" or "0x1F" is not taken for 31 behind a text that says
// otherwise (it reads as no number).
bool ParseSpinValue(const std::string& text, std::int32_t* value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return false;
  std::int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > 2147483648LL) return false;
  }
  std::int64_t result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX || result < INT32_MIN) return false;
  *value = static_cast<std::int32_t>(result);
  return true;
}

}  // namespace muralto
