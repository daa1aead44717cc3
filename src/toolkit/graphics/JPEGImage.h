#pragma once
// TJPEGImage: a JPEG file held whole in memory, its header parsed on load;
// its pixels are decoded where a bitmap that takes it needs them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/core/NotifyEvent.h"
#include "toolkit/graphics/DibImage.h"

namespace toolkit {

class TStream;
class TBitmap;

enum class TJPEGPixelFormat { jf24Bit, jf8Bit };

enum class TJPEGColorSpace { jcUnknown, jcGrayscale, jcRGB, jcYCbCr, jcCMYK, jcYCCK };

// A loaded JPEG as a decode needs it: the compressed file and the output
// chosen for it.
struct TJpegSource {
  std::shared_ptr<const std::vector<std::uint8_t>> data;
  bool quantize = false;
  int width = 0;
  int height = 0;
  int bitCount = 24;  // of the decoded picture
};

class TJPEGImage : public TObject {
 public:
  // 8-bit output when the screen had 8 bits per pixel or fewer at start.
  TJPEGImage();

  // "Cannot open file %s", "Stream read error", "JPEG error #%d". On failure
  // the object keeps the picture it had.
  void LoadFromFile(const std::string& path);
  void LoadFromStream(TStream& stream);

  bool Empty() const { return data_ == nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TJPEGColorSpace ColorSpace() const { return colorSpace_; }
  bool Grayscale() const { return colorSpace_ == TJPEGColorSpace::jcGrayscale; }
  bool ProgressiveEncoding() const { return progressive_; }

  TJPEGPixelFormat PixelFormat() const { return pixelFormat_; }

  // The loaded file and its decoder settings, to be decoded elsewhere.
  TJpegSource Source() const;

  // Largest decoded picture, in bytes, that a decode may allocate. A larger
  // one fails with the library's out-of-memory code.
  static void SetMaxDecodedBytes(std::uint64_t bytes);
  static std::uint64_t MaxDecodedBytes();

 private:
  std::shared_ptr<const std::vector<std::uint8_t>> data_;
  int width_ = 0;
  int height_ = 0;
  TJPEGColorSpace colorSpace_ = TJPEGColorSpace::jcUnknown;
  bool progressive_ = false;
  TJPEGPixelFormat pixelFormat_ = TJPEGPixelFormat::jf24Bit;
};

}  // namespace toolkit
