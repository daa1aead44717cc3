#pragma once
// The calls into the JPEG library. Its fatal errors come back as EJPEG
// "JPEG error #%d" with the library's message code; its warnings are ignored.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "toolkit/graphics/DibImage.h"
#include "toolkit/graphics/JPEGImage.h"

namespace toolkit {

struct TJpegHeader {
  int width = 0;
  int height = 0;
  TJPEGColorSpace colorSpace = TJPEGColorSpace::jcUnknown;
  bool progressive = false;
};

TJpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size);

// Bits per pixel of a decoded picture: 24 for CMYK and YCCK, 8 for grayscale
// or when quantized, 24 otherwise.
int JpegOutputBits(TJPEGColorSpace space, bool quantize);

// Decodes the whole picture at full size: 24-bit rows (blue, green, red), or
// 8-bit indices with a palette of at most 236 colours when quantize is set or
// the picture is grayscale. CMYK and YCCK pictures always give 24 bits.
// A picture larger than maxBytes fails with the library's out-of-memory code.
TDibImage DecodeJpeg(const std::uint8_t* data, std::size_t size, bool quantize, std::uint64_t maxBytes);

// Rows top to top + rows - 1 of the picture, counted from the top, stored
// bottom-up as a BMP file holds them (the strip's last row first), each
// padded to the row size.
using TJpegStripWriter = std::function<void(int top, int rows, const std::uint8_t* stored)>;

// The same decode, a strip of about stripBytes at a time through one buffer
// of that size, so that the whole picture is never in memory: begin gets the picture
// without its pixels (size, depth, colour table) before the first strip, and
// the result has no pixels.
TDibImage DecodeJpegInStrips(const std::uint8_t* data, std::size_t size, bool quantize, std::uint64_t maxBytes,
                             std::size_t stripBytes, const std::function<void(const TDibImage&)>& begin,
                             const TJpegStripWriter& strip);

}  // namespace toolkit
