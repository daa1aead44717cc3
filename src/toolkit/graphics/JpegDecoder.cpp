#include "toolkit/graphics/JpegDecoder.h"

// The library's headers need the standard I/O types declared first.
#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

#include <jerror.h>
#include <jpeglib.h>

#include "toolkit/core/Exceptions.h"

namespace toolkit {

namespace {

// The library is C: an error must not unwind through its frames as a C++
// exception. Its fatal exit jumps back to the setjmp of the call that
// entered it, and the error is thrown from C++ frames after that call returned.
// No object with a destructor lives in a frame between a setjmp and the jump.
struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  int code;
};

struct Session {
  jpeg_decompress_struct cinfo;
  ErrorManager error;
  jpeg_progress_mgr progress;
  bool created;
};

// Real progressive files have a dozen scans or so. Each scan costs a pass
// over the whole picture even when its data are a few bytes, so a forged file
// with thousands of them would hold the program for minutes.
constexpr int kMaxScans = 500;

extern "C" {
static void ErrorExit(j_common_ptr cinfo) {
  auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
  manager->code = cinfo->err->msg_code;
  std::longjmp(manager->jump, 1);
}
static void EmitMessage(j_common_ptr, int) {}
static void LimitScans(j_common_ptr cinfo) {
  if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
    cinfo->err->msg_code = JERR_BAD_PROGRESSION;
    cinfo->err->error_exit(cinfo);
  }
}
static void OutputMessage(j_common_ptr) {}
}

// Owns one decompressor from creation to destruction.
class SessionGuard {
 public:
  SessionGuard() : session_(std::make_unique<Session>()) {
    session_->cinfo.err = jpeg_std_error(&session_->error.pub);
    session_->error.pub.error_exit = ErrorExit;
    session_->error.pub.emit_message = EmitMessage;
    session_->error.pub.output_message = OutputMessage;
  }
  ~SessionGuard() {
    if (session_->created) jpeg_destroy_decompress(&session_->cinfo);
  }
  SessionGuard(const SessionGuard&) = delete;
  SessionGuard& operator=(const SessionGuard&) = delete;
  Session* get() const { return session_.get(); }
  Session* operator->() const { return session_.get(); }

 private:
  std::unique_ptr<Session> session_;
};

void Check(int code) {
  if (code != 0) throw EJPEG(msg::JpegError(code));
}

int OpenAndReadHeader(Session* s, const std::uint8_t* data, std::size_t size) {
  if (setjmp(s->error.jump)) return s->error.code;
  jpeg_create_decompress(&s->cinfo);
  s->created = true;
  s->progress.progress_monitor = LimitScans;
  s->cinfo.progress = &s->progress;
  jpeg_mem_src(&s->cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&s->cinfo, TRUE);
  return 0;
}

TJPEGColorSpace ColorSpaceOf(J_COLOR_SPACE space) {
  switch (space) {
    case JCS_GRAYSCALE: return TJPEGColorSpace::jcGrayscale;
    case JCS_RGB: return TJPEGColorSpace::jcRGB;
    case JCS_YCbCr: return TJPEGColorSpace::jcYCbCr;
    case JCS_CMYK: return TJPEGColorSpace::jcCMYK;
    case JCS_YCCK: return TJPEGColorSpace::jcYCCK;
    default: return TJPEGColorSpace::jcUnknown;
  }
}

enum class Output { Bgr, Indexed, Cmyk };

Output OutputFor(TJPEGColorSpace space, bool quantize) {
  if (space == TJPEGColorSpace::jcCMYK || space == TJPEGColorSpace::jcYCCK) return Output::Cmyk;
  if (quantize || space == TJPEGColorSpace::jcGrayscale) return Output::Indexed;
  return Output::Bgr;
}

int Configure(Session* s, Output output) {
  if (setjmp(s->error.jump)) return s->error.code;
  jpeg_decompress_struct& c = s->cinfo;
  c.scale_num = 1;
  c.scale_denom = 1;
  c.dct_method = JDCT_ISLOW;
  c.do_fancy_upsampling = TRUE;
  c.do_block_smoothing = TRUE;
  c.buffered_image = FALSE;
  if (output == Output::Cmyk) {
    c.out_color_space = JCS_CMYK;
  } else if (output == Output::Indexed) {
    c.out_color_space = c.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    c.quantize_colors = TRUE;
    c.desired_number_of_colors = 236;
    c.two_pass_quantize = TRUE;
    c.dither_mode = JDITHER_FS;
  } else {
    c.out_color_space = JCS_EXT_BGR;
  }
  jpeg_calc_output_dimensions(&c);
  return 0;
}

// Adobe's convention, which nearly every CMYK JPEG follows, stores the inks
// inverted (255 = no ink); without its marker the values are plain ink.
void CmykToBgr(const std::uint8_t* cmyk, std::uint8_t* bgr, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
    unsigned c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) {
      c = 255 - c;
      m = 255 - m;
      y = 255 - y;
      k = 255 - k;
    }
    bgr[0] = static_cast<std::uint8_t>((y * k + 127) / 255);
    bgr[1] = static_cast<std::uint8_t>((m * k + 127) / 255);
    bgr[2] = static_cast<std::uint8_t>((c * k + 127) / 255);
  }
}

struct Target {
  std::uint8_t* pixels;  // stripRows stored rows; a strip's top row is stored last, as in a BMP file
  std::size_t rowSize;
  std::size_t rowBytes;   // bytes of pixels in a row; the rest is padding
  std::uint8_t* cmykRow;  // one row of 4-byte samples, for CMYK output only
  JDIMENSION stripRows;
};

int StartDecode(Session* s) {
  if (setjmp(s->error.jump)) return s->error.code;
  jpeg_start_decompress(&s->cinfo);
  return 0;
}

// The next strip of rows from the top: as many as the target holds, fewer
// at the picture's end.
int DecodeStrip(Session* s, const Target* t) {
  if (setjmp(s->error.jump)) return s->error.code;
  jpeg_decompress_struct& c = s->cinfo;
  const JDIMENSION last = c.output_scanline + std::min(t->stripRows, c.output_height - c.output_scanline) - 1;
  const bool inverted = c.saw_Adobe_marker;
  while (c.output_scanline <= last) {
    std::uint8_t* row = t->pixels + static_cast<std::size_t>(last - c.output_scanline) * t->rowSize;
    std::memset(row + t->rowBytes, 0, t->rowSize - t->rowBytes);
    if (t->cmykRow != nullptr) {
      JSAMPROW sample = t->cmykRow;
      jpeg_read_scanlines(&c, &sample, 1);
      CmykToBgr(t->cmykRow, row, c.output_width, inverted);
    } else {
      JSAMPROW sample = row;
      jpeg_read_scanlines(&c, &sample, 1);
    }
  }
  return 0;
}

// Decodes the picture a strip of about stripBytes at a time and hands every
// strip to `strip`; without `strip`, into one buffer of the whole picture,
// which becomes the result's pixels. `begin` sees the result without its
// pixels before the first strip. Callbacks run outside the library's frames.
TDibImage Decode(const std::uint8_t* data, std::size_t size, bool quantize, std::uint64_t maxBytes,
                 std::size_t stripBytes, const std::function<void(const TDibImage&)>& begin,
                 const TJpegStripWriter& strip) {
  SessionGuard session;
  Check(OpenAndReadHeader(session.get(), data, size));
  jpeg_decompress_struct& c = session->cinfo;
  const Output output = OutputFor(ColorSpaceOf(c.jpeg_color_space), quantize);
  Check(Configure(session.get(), output));

  TDibImage image;
  image.width = static_cast<int>(c.output_width);
  image.height = static_cast<int>(c.output_height);
  image.bitCount = output == Output::Indexed ? 8 : 24;
  const std::uint64_t rowSize = TDibImage::RowSize64(image.width, image.bitCount);
  const std::uint64_t imageSize = rowSize * static_cast<std::uint64_t>(image.height);
  // The decoder's own buffers (a whole-picture coefficient store for a
  // progressive file) stay within the same bound.
  c.mem->max_memory_to_use = static_cast<long>(std::min<std::uint64_t>(maxBytes, LONG_MAX));
  if (imageSize > maxBytes || imageSize > SIZE_MAX / 2) Check(JERR_OUT_OF_MEMORY);

  const bool whole = !strip;
  const JDIMENSION rows =
      whole ? c.output_height
            : static_cast<JDIMENSION>(std::clamp<std::uint64_t>(stripBytes / rowSize, 1, c.output_height));
  auto buffer = std::make_shared<TPixelBuffer>(static_cast<std::size_t>(rowSize * rows));
  std::unique_ptr<std::uint8_t[]> cmykRow;
  if (output == Output::Cmyk)
    cmykRow = std::make_unique_for_overwrite<std::uint8_t[]>(static_cast<std::size_t>(image.width) * 4);
  const Target target{buffer->Data(), static_cast<std::size_t>(rowSize),
                      static_cast<std::size_t>(image.width) * (image.bitCount / 8), cmykRow.get(), rows};
  Check(StartDecode(session.get()));

  // The colour table is complete once decompression has started: a
  // two-pass quantizer has made its first pass by then.
  if (output == Output::Indexed) {
    const bool gray = c.out_color_components == 1;
    image.palette.resize(static_cast<std::size_t>(c.actual_number_of_colors));
    for (int i = 0; i < c.actual_number_of_colors; ++i) {
      const std::uint8_t r = c.colormap[0][i];
      const std::uint8_t g = gray ? r : c.colormap[1][i];
      const std::uint8_t b = gray ? r : c.colormap[2][i];
      image.palette[static_cast<std::size_t>(i)] = TRGBQuad{b, g, r, 0};
    }
  }
  if (begin) begin(image);
  while (c.output_scanline < c.output_height) {
    const int top = static_cast<int>(c.output_scanline);
    Check(DecodeStrip(session.get(), &target));
    if (strip) strip(top, static_cast<int>(c.output_scanline) - top, buffer->Data());
  }
  if (whole) image.pixels = std::move(buffer);
  return image;
}

}  // namespace

TJpegHeader ReadJpegHeader(const std::uint8_t* data, std::size_t size) {
  SessionGuard session;
  Check(OpenAndReadHeader(session.get(), data, size));
  TJpegHeader header;
  header.width = static_cast<int>(session->cinfo.image_width);
  header.height = static_cast<int>(session->cinfo.image_height);
  header.colorSpace = ColorSpaceOf(session->cinfo.jpeg_color_space);
  header.progressive = jpeg_has_multiple_scans(&session->cinfo);
  return header;
}

int JpegOutputBits(TJPEGColorSpace space, bool quantize) {
  return OutputFor(space, quantize) == Output::Indexed ? 8 : 24;
}

TDibImage DecodeJpeg(const std::uint8_t* data, std::size_t size, bool quantize, std::uint64_t maxBytes) {
  return Decode(data, size, quantize, maxBytes, 0, nullptr, nullptr);
}

TDibImage DecodeJpegInStrips(const std::uint8_t* data, std::size_t size, bool quantize, std::uint64_t maxBytes,
                             std::size_t stripBytes, const std::function<void(const TDibImage&)>& begin,
                             const TJpegStripWriter& strip) {
  return Decode(data, size, quantize, maxBytes, stripBytes, begin, strip);
}

}  // namespace toolkit
