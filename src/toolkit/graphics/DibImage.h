#pragma once
// A device-independent bitmap as the BMP format describes it: the header
// facts a file needs to be written back, the colour table, and the pixel rows
// from the bottom row up, each padded to a multiple of four bytes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/graphics/PixelBuffer.h"

namespace toolkit {

struct TRGBQuad {
  std::uint8_t rgbBlue = 0;
  std::uint8_t rgbGreen = 0;
  std::uint8_t rgbRed = 0;
  std::uint8_t rgbReserved = 0;
  bool operator==(const TRGBQuad&) const = default;
};

inline constexpr std::uint32_t BiRgb = 0;
inline constexpr std::uint32_t BiRle8 = 1;
inline constexpr std::uint32_t BiRle4 = 2;
inline constexpr std::uint32_t BiBitfields = 3;

enum class TDibHeader {
  Info,  // the 40-byte information header (larger ones are written as this)
  Core,  // the 12-byte header of the oldest form, with 3-byte colour entries
};

struct TDibImage {
  int width = 0;
  int height = 0;
  int bitCount = 24;
  TDibHeader header = TDibHeader::Info;
  std::uint32_t compression = BiRgb;     // BiRle4/BiRle8 only together with encoded
  bool hasMasks = false;                 // BI_BITFIELDS: masks follow the header
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::vector<TRGBQuad> palette;
  std::shared_ptr<TPixelBuffer> pixels;  // RowSize() * height bytes, bottom row first
  // The run-length data as read, so that the picture is written back in its
  // own encoding; dropped as soon as the pixels change.
  std::shared_ptr<const std::vector<std::uint8_t>> encoded;

  static std::uint64_t RowSize64(int width, int bitCount) {
    return ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32) * 4;
  }
  // Only for sizes whose whole image is known to fit in memory.
  static std::size_t RowSizeFor(int width, int bitCount) {
    return static_cast<std::size_t>(RowSize64(width, bitCount));
  }
  std::size_t RowSize() const { return RowSizeFor(width, bitCount); }
  std::size_t ImageSize() const { return RowSize() * static_cast<std::size_t>(height); }
  bool Empty() const { return width == 0 || height == 0; }
};

}  // namespace toolkit
