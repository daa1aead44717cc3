#include "Arguments.h"

#include <cmath>
#include <cstdio>

namespace e2e {

std::uint32_t ParseNumber(const std::string& text) {
  std::size_t used = 0;
  unsigned long value = 0;
  try {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    value = std::stoul(text, &used, hex ? 16 : 10);
  } catch (const std::exception&) {
    throw UsageError("not a number: \"" + text + "\"");
  }
  if (used != text.size() || value > 0xFFFFFFFFul) throw UsageError("not a 32-bit number: \"" + text + "\"");
  return static_cast<std::uint32_t>(value);
}

HWND ParseWindow(const std::string& text) {
  if (text.size() < 3 || text.compare(0, 2, "0x") != 0)
    throw UsageError("a window is given as 0x and hex digits, got \"" + text + "\"");
  HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(ParseNumber(text)));
  if (!IsWindow(window)) throw CheckFailed("no window " + text);
  return window;
}

std::string FormatWindow(HWND window) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lx", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(window)));
  return text;
}

DWORD ParseSeconds(const std::string& text) {
  double seconds = 0;
  std::size_t used = 0;
  try {
    seconds = std::stod(text, &used);
  } catch (const std::exception&) {
    throw UsageError("not a number of seconds: \"" + text + "\"");
  }
  if (used != text.size() || !std::isfinite(seconds) || seconds < 0 || seconds > 3600)
    throw UsageError("seconds out of range: \"" + text + "\"");
  return static_cast<DWORD>(seconds * 1000);
}

const char* OrAny(const std::string& text) { return text == "-" ? nullptr : text.c_str(); }

}  // namespace e2e
