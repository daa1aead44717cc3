#include <cstdint>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/graphics/ByteOrder.h"
#include "toolkit/graphics/Palette.h"
#include "toolkit/io/Stream.h"

namespace toolkit {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;

bool UsesTable(const TDibImage& image) { return image.bitCount <= 8; }

// How many colour entries go into the file: an indexed picture's whole
// table, and the optional table of a deeper one (which the 12-byte header
// form has no count for).
std::uint64_t TableEntries(const TDibImage& image, const std::vector<TRGBQuad>& palette) {
  if (UsesTable(image)) return palette.size();
  return image.header == TDibHeader::Core ? 0 : palette.size();
}

}  // namespace

std::vector<std::uint8_t> BmpFileHead(const TDibImage& image, std::uint64_t imageSize) {
  const bool core = image.header == TDibHeader::Core;
  const bool rle = image.compression == BiRle4 || image.compression == BiRle8;
  // An indexed picture always gets a table: a count of 0 would mean a full one.
  const std::vector<TRGBQuad> fallback =
      image.palette.empty() ? DefaultPalette(image.bitCount) : std::vector<TRGBQuad>{};
  const std::vector<TRGBQuad>& palette = image.palette.empty() ? fallback : image.palette;
  const std::uint64_t entries = TableEntries(image, palette);
  const std::uint64_t entrySize = core ? 3 : 4;
  const std::uint64_t headerSize = core ? 12 : 40;
  const std::uint64_t maskBytes = (!core && image.hasMasks && !UsesTable(image)) ? 12 : 0;
  const std::uint64_t offBits = kFileHeaderSize + headerSize + maskBytes + entries * entrySize;
  const std::uint64_t fileSize = offBits + imageSize;
  if (fileSize > UINT32_MAX) throw EInvalidGraphic(msg::InvalidBitmap);

  std::vector<std::uint8_t> head;
  head.reserve(static_cast<std::size_t>(offBits));
  head.push_back('B');
  head.push_back('M');
  PutLe32(head, static_cast<std::uint32_t>(fileSize));
  PutLe32(head, 0);
  PutLe32(head, static_cast<std::uint32_t>(offBits));
  if (core) {
    PutLe32(head, 12);
    PutLe16(head, static_cast<std::uint32_t>(image.width));
    PutLe16(head, static_cast<std::uint32_t>(image.height));
    PutLe16(head, 1);
    PutLe16(head, static_cast<std::uint32_t>(image.bitCount));
  } else {
    std::uint32_t compression = BiRgb;
    if (rle) compression = image.compression;
    if (maskBytes != 0) compression = BiBitfields;
    PutLe32(head, 40);
    PutLe32(head, static_cast<std::uint32_t>(image.width));
    PutLe32(head, static_cast<std::uint32_t>(image.height));
    PutLe16(head, 1);
    PutLe16(head, static_cast<std::uint32_t>(image.bitCount));
    PutLe32(head, compression);
    PutLe32(head, static_cast<std::uint32_t>(imageSize));
    PutLe32(head, 0);
    PutLe32(head, 0);
    PutLe32(head, static_cast<std::uint32_t>(entries));
    PutLe32(head, 0);
    if (maskBytes != 0) {
      for (std::uint32_t mask : image.masks) PutLe32(head, mask);
    }
  }
  for (std::uint64_t i = 0; i < entries; ++i) {
    const TRGBQuad& c = palette[static_cast<std::size_t>(i)];
    head.push_back(c.rgbBlue);
    head.push_back(c.rgbGreen);
    head.push_back(c.rgbRed);
    if (!core) head.push_back(0);
  }
  return head;
}

void WriteBmp(TStream& stream, const TDibImage& image) {
  // A file without pixels is no picture: the system would be handed an empty
  // wallpaper, so nothing is written at all.
  if (image.Empty() || !image.pixels) throw EInvalidGraphic(msg::InvalidBitmap);
  const bool rle = image.encoded != nullptr && (image.compression == BiRle4 || image.compression == BiRle8);
  if (rle) {
    const std::vector<std::uint8_t> head = BmpFileHead(image, image.encoded->size());
    stream.WriteBuffer(head.data(), static_cast<std::int64_t>(head.size()));
    stream.WriteBuffer(image.encoded->data(), static_cast<std::int64_t>(image.encoded->size()));
    return;
  }
  TDibImage rows = image;
  rows.compression = BiRgb;
  const std::vector<std::uint8_t> head = BmpFileHead(rows, rows.ImageSize());
  stream.WriteBuffer(head.data(), static_cast<std::int64_t>(head.size()));
  stream.WriteBuffer(image.pixels->Data(), static_cast<std::int64_t>(image.ImageSize()));
}

}  // namespace toolkit
