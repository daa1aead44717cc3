#include "toolkit/graphics/BmpLayout.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/graphics/ByteOrder.h"
#include "toolkit/io/Stream.h"

namespace toolkit {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;

[[noreturn]] void Invalid() { throw EInvalidGraphic(msg::InvalidBitmap); }
[[noreturn]] void Short() { throw EReadError(msg::ReadError); }

bool KnownHeaderSize(std::uint32_t size) {
  // core, info, the two Adobe extensions with masks, V4, V5
  return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

bool KnownDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

struct Header {
  std::uint32_t size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows stored top row first
  std::uint32_t planes = 0;
  int bitCount = 0;
  std::uint32_t compression = BiRgb;
  std::uint32_t sizeImage = 0;
  std::uint32_t colorsUsed = 0;
  bool masksInHeader = false;
  std::array<std::uint32_t, 3> masks{};
};

Header ParseHeader(TStream& stream) {
  std::uint8_t sizeBytes[4];
  stream.ReadBuffer(sizeBytes, 4);
  Header h;
  h.size = GetLe32(sizeBytes);
  if (!KnownHeaderSize(h.size)) Invalid();
  std::uint8_t raw[124] = {};
  std::memcpy(raw, sizeBytes, 4);
  stream.ReadBuffer(raw + 4, h.size - 4);
  if (h.size == kCoreHeaderSize) {
    h.width = GetLe16(raw + 4);
    h.height = GetLe16(raw + 6);
    h.planes = GetLe16(raw + 8);
    h.bitCount = GetLe16(raw + 10);
    return h;
  }
  h.width = static_cast<std::int32_t>(GetLe32(raw + 4));
  h.height = static_cast<std::int32_t>(GetLe32(raw + 8));
  h.planes = GetLe16(raw + 12);
  h.bitCount = GetLe16(raw + 14);
  h.compression = GetLe32(raw + 16);
  h.sizeImage = GetLe32(raw + 20);
  h.colorsUsed = GetLe32(raw + 32);
  if (h.size >= 52) {
    h.masksInHeader = true;
    h.masks = {GetLe32(raw + 40), GetLe32(raw + 44), GetLe32(raw + 48)};
  }
  return h;
}

void Validate(const Header& h) {
  if (h.planes != 1 || !KnownDepth(h.bitCount)) Invalid();
  if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN) Invalid();
  if (h.size == kCoreHeaderSize && h.bitCount != 24 && h.bitCount > 8) Invalid();
  const bool topDown = h.height < 0;
  switch (h.compression) {
    case BiRgb: break;
    case BiRle8:
      if (h.bitCount != 8 || topDown) Invalid();
      break;
    case BiRle4:
      if (h.bitCount != 4 || topDown) Invalid();
      break;
    case BiBitfields:
      if (h.bitCount != 16 && h.bitCount != 32) Invalid();
      break;
    default: Invalid();
  }
}

void ReadPalette(TStream& stream, std::size_t count, std::size_t entrySize, TDibImage& image) {
  std::vector<std::uint8_t> raw(count * entrySize);
  stream.ReadBuffer(raw.data(), static_cast<std::int64_t>(raw.size()));
  image.palette.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* e = raw.data() + i * entrySize;
    image.palette[i] = TRGBQuad{e[0], e[1], e[2], 0};
  }
}

}  // namespace

TBmpLayout ReadBmpLayout(TStream& stream) {
  const std::int64_t start = stream.Position();
  const std::int64_t fileSize = stream.Remaining();
  std::uint8_t fileHeader[kFileHeaderSize];
  stream.ReadBuffer(fileHeader, kFileHeaderSize);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid();
  const std::uint32_t offBits = GetLe32(fileHeader + 10);

  const Header h = ParseHeader(stream);
  Validate(h);

  TBmpLayout layout;
  layout.topDown = h.height < 0;
  TDibImage& image = layout.picture;
  image.width = static_cast<int>(h.width);
  image.height = static_cast<int>(h.height < 0 ? -h.height : h.height);
  image.bitCount = h.bitCount;
  image.header = h.size == kCoreHeaderSize ? TDibHeader::Core : TDibHeader::Info;

  std::uint64_t tableEnd = kFileHeaderSize + h.size;
  if (h.compression == BiBitfields) {
    image.hasMasks = true;
    if (h.masksInHeader) {
      image.masks = h.masks;
    } else {
      std::uint8_t raw[12];
      stream.ReadBuffer(raw, sizeof raw);
      image.masks = {GetLe32(raw), GetLe32(raw + 4), GetLe32(raw + 8)};
      tableEnd += sizeof raw;
    }
  }

  if (h.bitCount <= 8) {
    const std::size_t most = std::size_t{1} << h.bitCount;
    std::size_t count = most;
    std::size_t entrySize = 4;
    if (image.header == TDibHeader::Core) {
      entrySize = 3;
      // Some writers keep a shorter table; the pixel offset tells.
      if (offBits > tableEnd) count = std::min<std::size_t>(most, (offBits - tableEnd) / entrySize);
    } else if (h.colorsUsed != 0) {
      if (h.colorsUsed > most) Invalid();
      count = h.colorsUsed;
    }
    if (count == 0) Invalid();
    ReadPalette(stream, count, entrySize, image);
    tableEnd += count * entrySize;
  } else if (image.header == TDibHeader::Info && h.colorsUsed != 0) {
    // A picture of 16 bits or more may carry a table (for screens with
    // fewer colours); it is kept so that it is written back with the
    // picture. The file must hold it before anything is allocated for it.
    const std::uint64_t tableSize = std::uint64_t{h.colorsUsed} * 4;
    if (tableEnd + tableSize > static_cast<std::uint64_t>(fileSize)) Short();
    ReadPalette(stream, h.colorsUsed, 4, image);
    tableEnd += tableSize;
  }

  // Pixel data: where the header says, or right after the table when it says 0.
  const std::uint64_t pixelOffset = offBits == 0 ? tableEnd : offBits;
  if (pixelOffset < tableEnd) Invalid();
  if (pixelOffset > static_cast<std::uint64_t>(fileSize)) Short();
  stream.Seek(start + static_cast<std::int64_t>(pixelOffset), TSeekOrigin::soBeginning);
  const std::uint64_t available = static_cast<std::uint64_t>(fileSize) - pixelOffset;

  const std::uint64_t imageSize =
      TDibImage::RowSize64(image.width, image.bitCount) * static_cast<std::uint64_t>(image.height);
  // Beyond what this process could address, whatever the file holds: the
  // picture is refused even where it would only be copied, so that every
  // reader of it agrees.
  const std::uint64_t addressable = SIZE_MAX / 2;
  if (h.compression == BiRle4 || h.compression == BiRle8) {
    const std::uint64_t encodedSize = h.sizeImage == 0 ? available : h.sizeImage;
    if (encodedSize > available) Short();
    if (imageSize > std::max<std::uint64_t>(encodedSize * kRleMaxExpansion, 1 << 16)) Invalid();
    if (imageSize > addressable || encodedSize > addressable) Invalid();
    image.compression = h.compression;
    layout.dataSize = encodedSize;
    return layout;
  }
  if (imageSize > available) Short();
  if (imageSize > addressable) Invalid();
  layout.dataSize = imageSize;
  return layout;
}

}  // namespace toolkit
