#include <cstdint>
#include <cstring>

#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/graphics/BmpLayout.h"
#include "toolkit/graphics/RleDecoder.h"
#include "toolkit/io/Stream.h"

namespace toolkit {

namespace {

void FlipRows(TDibImage& image) {
  const std::size_t rowSize = image.RowSize();
  std::vector<std::uint8_t> scratch(rowSize);
  std::uint8_t* base = image.pixels->Data();
  for (int top = 0, bottom = image.height - 1; top < bottom; ++top, --bottom) {
    std::uint8_t* a = base + static_cast<std::size_t>(top) * rowSize;
    std::uint8_t* b = base + static_cast<std::size_t>(bottom) * rowSize;
    std::memcpy(scratch.data(), a, rowSize);
    std::memcpy(a, b, rowSize);
    std::memcpy(b, scratch.data(), rowSize);
  }
}

}  // namespace

TDibImage ReadBmp(TStream& stream) {
  TBmpLayout layout = ReadBmpLayout(stream);
  TDibImage image = std::move(layout.picture);
  const std::size_t dataSize = static_cast<std::size_t>(layout.dataSize);
  if (image.compression == BiRle4 || image.compression == BiRle8) {
    auto encoded = std::make_shared<std::vector<std::uint8_t>>(dataSize);
    stream.ReadBuffer(encoded->data(), static_cast<std::int64_t>(dataSize));
    image.pixels = std::make_shared<TPixelBuffer>(image.ImageSize());
    std::memset(image.pixels->Data(), 0, image.pixels->Size());
    DecodeRle(encoded->data(), encoded->size(), image);
    image.encoded = std::move(encoded);
    return image;
  }
  image.pixels = std::make_shared<TPixelBuffer>(dataSize);
  stream.ReadBuffer(image.pixels->Data(), static_cast<std::int64_t>(dataSize));
  if (layout.topDown) FlipRows(image);
  return image;
}

}  // namespace toolkit
