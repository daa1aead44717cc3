#include "platform/sim/SimText.h"

#include "platform/files.h"

namespace sim::machine {

char LowerAnsi(char c) {
  const auto b = static_cast<unsigned char>(c);
  unsigned char lower = b;
  if (b >= 'A' && b <= 'Z') {
    lower = static_cast<unsigned char>(b + 32);
  } else if (b >= 0xC0 && b <= 0xDE && b != 0xD7) {
    lower = static_cast<unsigned char>(b + 32);
  } else if (b == 0x8A || b == 0x8C || b == 0x8E) {
    lower = static_cast<unsigned char>(b + 16);
  } else if (b == 0x9F) {
    lower = 0xFF;
  }
  return static_cast<char>(lower);
}

std::string LowerAnsi(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerAnsi(c);
  return result;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAnsi(a[i]) != LowerAnsi(b[i])) return false;
  }
  return true;
}

}  // namespace sim::machine

namespace platform {

std::uint32_t CharLowerBuffA(char* buffer, std::uint32_t len) {
  if (buffer == nullptr) return 0;
  for (std::uint32_t i = 0; i < len; ++i) buffer[i] = sim::machine::LowerAnsi(buffer[i]);
  return len;
}

}  // namespace platform
