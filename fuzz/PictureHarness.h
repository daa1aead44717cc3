#pragma once
// What the fuzz targets do with one input, shared with the unit test that
// replays the inputs they once broke on. Any failure other than the
// library's own exceptions is a fault (sanitizers report the rest).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/graphics/BmpStrips.h"
#include "toolkit/graphics/JpegDecoder.h"
#include "toolkit/graphics/PixelCodec.h"
#include "toolkit/io/MemoryStream.h"

namespace harness {

// Decoded pictures stay small enough that a run spends its time on parsing.
inline constexpr std::uint64_t kMaxDecodedBytes = 16u << 20;

// Uncaught, this ends a fuzz run as a crash; the replay test reports it.
inline void Require(bool condition) {
  if (!condition) throw std::logic_error("picture harness check failed");
}

// The BMP file the strip copy makes of the input (in strips of three rows),
// or its failure.
inline std::string CopyInStrips(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& file) {
  try {
    toolkit::TMemoryStream in(std::vector<std::uint8_t>(data, data + size));
    const toolkit::TBmpLayout layout = toolkit::ReadBmpLayout(in);
    toolkit::CopyBmpData(in, layout, layout.picture.RowSize() * 3,
                         [&](std::uint64_t at, const std::uint8_t* bytes, std::size_t count) {
                           if (file.size() < at + count) file.resize(static_cast<std::size_t>(at + count));
                           std::copy(bytes, bytes + count, file.begin() + static_cast<std::ptrdiff_t>(at));
                         });
  } catch (const toolkit::Exception& e) {
    return e.Message();
  }
  return {};
}

// Reads a BMP; what reads must write, read back to the same colours and
// colour table; copied in strips it must give the same file, or fail as
// the whole read does.
inline void BmpInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> copied;
  const std::string copyFailure = CopyInStrips(data, size, copied);
  toolkit::TMemoryStream in(std::vector<std::uint8_t>(data, data + size));
  toolkit::TDibImage image;
  try {
    image = toolkit::ReadBmp(in);
  } catch (const toolkit::Exception& e) {
    Require(copyFailure == e.Message());
    return;
  }
  Require(image.pixels != nullptr && image.pixels->Size() == image.ImageSize());
  toolkit::TMemoryStream out;
  toolkit::WriteBmp(out, image);
  Require(copyFailure.empty() && copied == out.Bytes());
  out.SetPosition(0);
  const toolkit::TDibImage again = toolkit::ReadBmp(out);
  Require(again.width == image.width && again.height == image.height && again.bitCount == image.bitCount);
  Require(again.palette == image.palette);
  if (image.ImageSize() <= kMaxDecodedBytes / 8) Require(toolkit::DibToBgra(again) == toolkit::DibToBgra(image));
}

// Decodes a JPEG, quantized or not by the input's length, and writes it.
inline void JpegInput(const std::uint8_t* data, std::size_t size) {
  try {
    toolkit::ReadJpegHeader(data, size);
    const toolkit::TDibImage image = toolkit::DecodeJpeg(data, size, size % 2 == 1, kMaxDecodedBytes);
    Require(image.pixels != nullptr && image.pixels->Size() == image.ImageSize());
    toolkit::TMemoryStream out;
    toolkit::WriteBmp(out, image);
    // Decoded in strips of three rows, stored from the end back, it must
    // give the same rows and colour table.
    const std::size_t rowSize = image.RowSize();
    std::vector<std::uint8_t> rows(image.ImageSize());
    const toolkit::TDibImage strips = toolkit::DecodeJpegInStrips(
        data, size, size % 2 == 1, kMaxDecodedBytes, rowSize * 3, nullptr,
        [&](int top, int count, const std::uint8_t* stored) {
          std::copy(stored, stored + count * rowSize, rows.begin() + (image.height - top - count) * rowSize);
        });
    Require(strips.palette == image.palette && std::equal(rows.begin(), rows.end(), image.pixels->Data()));
  } catch (const toolkit::EJPEG&) {
  }
}

}  // namespace harness
