#pragma once
// Reading the little-endian fields of bitmap and icon files in tests.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace littleendian {

inline std::uint32_t ReadLE(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t size) {
  if (offset + size > bytes.size()) throw std::out_of_range("field beyond the end of the data");
  std::uint32_t value = 0;
  for (std::size_t i = size; i-- > 0;) value = (value << 8) | bytes[offset + i];
  return value;
}

inline std::uint16_t U16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(ReadLE(bytes, offset, 2));
}

inline std::uint32_t U32(std::span<const std::uint8_t> bytes, std::size_t offset) { return ReadLE(bytes, offset, 4); }

inline std::int32_t I32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int32_t>(ReadLE(bytes, offset, 4));
}

}  // namespace littleendian
