#include "wallpaper/Interval.h"

namespace muralto {

std::uint32_t IntervalMilliseconds(std::int32_t hours, std::int32_t minutes, std::int32_t seconds) {
  // Unsigned arithmetic wraps exactly as the 32-bit signed sum would.
  const auto h = static_cast<std::uint32_t>(hours);
  const auto m = static_cast<std::uint32_t>(minutes);
  const auto s = static_cast<std::uint32_t>(seconds);
  return (h * 3600u + m * 60u + s) * 1000u;
}

}  // namespace muralto
