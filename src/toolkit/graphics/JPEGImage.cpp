#include "toolkit/graphics/JPEGImage.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/JpegDecoder.h"
#include "toolkit/graphics/ScreenDepth.h"
#include "toolkit/io/FileStream.h"

namespace toolkit {

namespace {
// Room for the largest pictures a 32-bit process can hold, and no more.
std::uint64_t maxDecodedBytes = std::uint64_t{1} << 30;
}  // namespace

void TJPEGImage::SetMaxDecodedBytes(std::uint64_t bytes) { maxDecodedBytes = bytes; }
std::uint64_t TJPEGImage::MaxDecodedBytes() { return maxDecodedBytes; }

TJPEGImage::TJPEGImage()
    : pixelFormat_(ScreenBitsPerPixel() <= 8 ? TJPEGPixelFormat::jf8Bit : TJPEGPixelFormat::jf24Bit) {}

void TJPEGImage::LoadFromFile(const std::string& path) {
  TFileStream stream(path, TFileMode::fmOpenReadDenyWrite);
  LoadFromStream(stream);
}

void TJPEGImage::LoadFromStream(TStream& stream) {
  const std::int64_t size = stream.Remaining();
  if (size < 0 || static_cast<std::uint64_t>(size) > SIZE_MAX / 2) throw EReadError(msg::ReadError);
  auto data = std::make_shared<std::vector<std::uint8_t>>(static_cast<std::size_t>(size));
  stream.ReadBuffer(data->data(), size);
  const TJpegHeader header = ReadJpegHeader(data->data(), data->size());
  data_ = std::move(data);
  width_ = header.width;
  height_ = header.height;
  colorSpace_ = header.colorSpace;
  progressive_ = header.progressive;
}

TJpegSource TJPEGImage::Source() const {
  const bool quantize = pixelFormat_ == TJPEGPixelFormat::jf8Bit;
  return TJpegSource{data_, quantize, width_, height_, JpegOutputBits(colorSpace_, quantize)};
}

}  // namespace toolkit
