#include "toolkit/graphics/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/BmpFormat.h"
#include "toolkit/graphics/JPEGImage.h"
#include "toolkit/graphics/JpegBmpFile.h"
#include "toolkit/graphics/JpegDecoder.h"
#include "toolkit/graphics/Palette.h"
#include "toolkit/graphics/PixelCodec.h"
#include "toolkit/io/FileStream.h"

namespace toolkit {

namespace {

constexpr std::array<std::uint32_t, 3> kMasks555 = {0x7C00, 0x03E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kMasks565 = {0xF800, 0x07E0, 0x001F};
constexpr std::array<std::uint32_t, 3> kMasks888 = {0xFF0000, 0x00FF00, 0x0000FF};

TPixelFormat FormatOf(const TDibImage& image) {
  switch (image.bitCount) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16:
      if (!image.hasMasks || image.masks == kMasks555) return pf15bit;
      return image.masks == kMasks565 ? pf16bit : pfCustom;
    case 32: return !image.hasMasks || image.masks == kMasks888 ? pf32bit : pfCustom;
    default: return pf24bit;
  }
}

// The stored layout of a chosen format.
void ApplyFormat(TPixelFormat format, TDibImage& image) {
  image.hasMasks = false;
  image.masks = {};
  switch (format) {
    case pf1bit: image.bitCount = 1; break;
    case pf4bit: image.bitCount = 4; break;
    case pf8bit: image.bitCount = 8; break;
    case pf15bit: image.bitCount = 16; break;
    case pf16bit:
      image.bitCount = 16;
      image.hasMasks = true;
      image.masks = kMasks565;
      break;
    case pf32bit: image.bitCount = 32; break;
    default: image.bitCount = 24; break;
  }
  image.palette = DefaultPalette(image.bitCount);
}

std::shared_ptr<TPixelBuffer> Allocate(int width, int height, int bitCount) {
  if (width <= 0 || height <= 0) return nullptr;
  const std::uint64_t size = TDibImage::RowSize64(width, bitCount) * static_cast<std::uint64_t>(height);
  if (size > SIZE_MAX / 2) throw EOutOfResources("Out of system resources");
  auto pixels = std::make_shared<TPixelBuffer>(static_cast<std::size_t>(size));
  std::memset(pixels->Data(), 0, pixels->Size());
  return pixels;
}

}  // namespace

void TBitmap::SetWidth(int width) { SetSize(width, image_.height); }
void TBitmap::SetHeight(int height) { SetSize(image_.width, height); }

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == image_.width && height == image_.height) return;
  Reshape(width, height);
}

void TBitmap::Reshape(int width, int height) {
  undecoded_.reset();
  TDibImage next;
  next.width = width;
  next.height = height;
  next.bitCount = image_.bitCount;
  next.hasMasks = image_.hasMasks;
  next.masks = image_.masks;
  next.palette = image_.palette;
  next.pixels = Allocate(width, height, next.bitCount);
  if (next.pixels && image_.pixels) {
    // Rows are stored bottom-up: the top rows, which stay, sit at the end.
    const std::size_t oldRow = image_.RowSize(), newRow = next.RowSize();
    const std::size_t bytes = std::min(oldRow, newRow);
    for (int y = 0; y < std::min(height, image_.height); ++y) {
      std::memcpy(next.pixels->Data() + static_cast<std::size_t>(height - 1 - y) * newRow,
                  image_.pixels->Data() + static_cast<std::size_t>(image_.height - 1 - y) * oldRow, bytes);
    }
  }
  image_ = std::move(next);
  sourceFile_.clear();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pfCustom || format == pixelFormat_) return;
  undecoded_.reset();
  TDibImage next;
  next.width = image_.width;
  next.height = image_.height;
  ApplyFormat(format, next);
  next.pixels = Allocate(next.width, next.height, next.bitCount);
  if (next.pixels && image_.pixels) {
    const std::vector<std::uint8_t> bgra = DibToBgra(image_);
    BgraToDib(bgra.data(), next);
  }
  image_ = std::move(next);
  sourceFile_.clear();
  pixelFormat_ = format;
}

void TBitmap::CopyFromBgra(const std::uint8_t* bgra, int width, int height) {
  TDibImage next;
  next.width = std::max(width, 0);
  next.height = std::max(height, 0);
  next.bitCount = image_.bitCount;
  next.hasMasks = image_.hasMasks;
  next.masks = image_.masks;
  next.palette = image_.bitCount <= 8 && !image_.palette.empty() ? image_.palette : DefaultPalette(image_.bitCount);
  next.pixels = Allocate(next.width, next.height, next.bitCount);
  if (next.pixels) BgraToDib(bgra, next);
  image_ = std::move(next);
  sourceFile_.clear();
  undecoded_.reset();
}

std::vector<std::uint8_t> TBitmap::ToBgra() const {
  Realize();
  return DibToBgra(image_);
}

void TBitmap::LoadFromStream(TStream& stream) { AdoptImage(ReadBmp(stream)); }

void TBitmap::SaveToFile(const std::string& path) const {
  if (Empty()) throw EInvalidGraphic(msg::InvalidBitmap);
  if (undecoded_) {
    WriteJpegAsBmpFile(*undecoded_, path);
    return;
  }
  TFileStream stream(path, TFileMode::fmCreate);
  SaveToStream(stream);
}

void TBitmap::SaveToStream(TStream& stream) const {
  Realize();
  WriteBmp(stream, image_);
}

void TBitmap::Assign(const TBitmap& source) {
  image_ = source.image_;
  undecoded_ = source.undecoded_;
  pixelFormat_ = source.pixelFormat_;
  sourceFile_ = source.sourceFile_;
}

void TBitmap::AssignUndecoded(const TJPEGImage& source) {
  if (source.Empty()) {
    AdoptImage(TDibImage{});
    return;
  }
  const TJpegSource jpeg = source.Source();
  TDibImage picture;
  picture.width = jpeg.width;
  picture.height = jpeg.height;
  picture.bitCount = jpeg.bitCount;
  image_ = std::move(picture);
  undecoded_ = std::make_shared<const TJpegSource>(jpeg);
  pixelFormat_ = FormatOf(image_);
  sourceFile_.clear();
}

void TBitmap::AssignDescription(TDibImage picture, std::string sourceFile) {
  picture.pixels.reset();
  picture.encoded.reset();
  image_ = std::move(picture);
  undecoded_.reset();
  pixelFormat_ = FormatOf(image_);
  sourceFile_ = std::move(sourceFile);
}

void TBitmap::Realize() const {
  if (!undecoded_) return;
  const TJpegSource& jpeg = *undecoded_;
  image_ = DecodeJpeg(jpeg.data->data(), jpeg.data->size(), jpeg.quantize, TJPEGImage::MaxDecodedBytes());
  undecoded_.reset();
}

void TBitmap::AdoptImage(TDibImage image) {
  const bool consistent = image.Empty() ? true : image.pixels && image.pixels->Size() == image.ImageSize();
  if (!consistent) throw EInvalidGraphic(msg::InvalidBitmap);
  image_ = std::move(image);
  undecoded_.reset();
  pixelFormat_ = FormatOf(image_);
  sourceFile_.clear();
}

}  // namespace toolkit
