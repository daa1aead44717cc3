#pragma once
// The calls into the JPEG library. Its fatal errors come back as EJPEG
// "JPEG error #%d" with the library's message code; its warnings are ignored.
#include <cstddef>
#include <cstdint>

#include "toolkit/graphics/DibImage.h"
#include "toolkit/graphics/JPEGImage.h"

namespace vcl {

struct TJpegHeader {
  int width = 0;
  int height = 0;
  TJPEGColorSpace colorSpace = TJPEGColorSpace::jcUnknown;
  bool progressive = false;
};

TJpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size);

// Decodes the whole picture at full size: 24-bit rows (blue, green, red), or
// 8-bit indices with a palette of at most 236 colours when quantize is set or
// the picture is grayscale. CMYK and YCCK pictures always give 24 bits.
// A picture larger than maxBytes fails with the library's out-of-memory code.
TDibImage DecodeJpeg(const std::uint8_t* data, std::size_t size, bool quantize, std::uint64_t maxBytes);

}  // namespace vcl
