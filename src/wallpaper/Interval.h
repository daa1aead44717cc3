#pragma once
// The rotation's timer interval from the three interval fields.
#include <cstdint>

namespace muralto {

// (hours * 3600 + minutes * 60 + seconds) * 1000 in 32-bit arithmetic, taken
// as unsigned: a negative field from a hand-edited settings file wraps.
std::uint32_t IntervalMilliseconds(std::int32_t hours, std::int32_t minutes, std::int32_t seconds);

}  // namespace muralto
