#include "toolkit/graphics/PixelCodec.h"

#include <bit>
#include <cstring>

namespace toolkit {

namespace {

struct Channel {
  std::uint32_t mask;
  int shift;
  int bits;
  std::uint8_t Get(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
    return static_cast<std::uint8_t>(v * 255u / ((1u << bits) - 1u));
  }
  std::uint32_t Put(std::uint8_t c) const {
    if (bits == 0) return 0;
    const std::uint32_t v =
        bits >= 8 ? static_cast<std::uint32_t>(c) << (bits - 8) : (c * ((1u << bits) - 1u) + 127u) / 255u;
    return (v << shift) & mask;
  }
};

Channel MakeChannel(std::uint32_t mask) {
  if (mask == 0) return {0, 0, 0};
  const int shift = std::countr_zero(mask);
  return {mask, shift, std::countr_one(mask >> shift)};
}

std::array<std::uint32_t, 3> MasksOf(const TDibImage& image) {
  if (image.hasMasks) return image.masks;
  if (image.bitCount == 16) return {0x7C00, 0x03E0, 0x001F};
  return {0xFF0000, 0x00FF00, 0x0000FF};
}

// Nearest table colour, remembered per 15-bit colour.
class NearestIndex {
 public:
  explicit NearestIndex(const std::vector<TRGBQuad>& palette) : palette_(palette), cache_(1 << 15, -1) {}
  std::uint8_t Find(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
    const int key = ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
    if (cache_[key] < 0) {
      int best = 0;
      int bestDistance = 1 << 30;
      for (std::size_t i = 0; i < palette_.size(); ++i) {
        const int dr = palette_[i].rgbRed - r, dg = palette_[i].rgbGreen - g, db = palette_[i].rgbBlue - b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
          bestDistance = d;
          best = static_cast<int>(i);
        }
      }
      cache_[key] = best;
    }
    return static_cast<std::uint8_t>(cache_[key]);
  }

 private:
  const std::vector<TRGBQuad>& palette_;
  std::vector<int> cache_;
};

}  // namespace

std::vector<std::uint8_t> DibToBgra(const TDibImage& image) {
  const std::size_t w = static_cast<std::size_t>(image.width);
  std::vector<std::uint8_t> out(w * static_cast<std::size_t>(image.height) * 4, 0);
  if (!image.pixels) return out;
  const auto masks = MasksOf(image);
  const Channel red = MakeChannel(masks[0]), green = MakeChannel(masks[1]), blue = MakeChannel(masks[2]);
  const std::size_t rowSize = image.RowSize();
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* row = image.pixels->Data() + static_cast<std::size_t>(image.height - 1 - y) * rowSize;
    std::uint8_t* dst = out.data() + static_cast<std::size_t>(y) * w * 4;
    for (std::size_t x = 0; x < w; ++x, dst += 4) {
      switch (image.bitCount) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = x * static_cast<std::size_t>(image.bitCount);
          const int shift = 8 - image.bitCount - static_cast<int>(bit % 8);
          const std::size_t index = (row[bit / 8] >> shift) & ((1u << image.bitCount) - 1u);
          if (index < image.palette.size()) {
            const TRGBQuad& c = image.palette[index];
            dst[0] = c.rgbBlue;
            dst[1] = c.rgbGreen;
            dst[2] = c.rgbRed;
          }
          break;
        }
        case 16:
        case 32: {
          std::uint32_t pixel = row[x * (image.bitCount / 8)] | (row[x * (image.bitCount / 8) + 1] << 8);
          if (image.bitCount == 32) {
            pixel |=
                (static_cast<std::uint32_t>(row[x * 4 + 2]) << 16) | (static_cast<std::uint32_t>(row[x * 4 + 3]) << 24);
          }
          dst[0] = blue.Get(pixel);
          dst[1] = green.Get(pixel);
          dst[2] = red.Get(pixel);
          break;
        }
        default: std::memcpy(dst, row + x * 3, 3);
      }
    }
  }
  return out;
}

void BgraToDib(const std::uint8_t* bgra, TDibImage& image) {
  const std::size_t w = static_cast<std::size_t>(image.width);
  const std::size_t rowSize = image.RowSize();
  const auto masks = MasksOf(image);
  const Channel red = MakeChannel(masks[0]), green = MakeChannel(masks[1]), blue = MakeChannel(masks[2]);
  NearestIndex nearest(image.palette);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = image.pixels->Data() + static_cast<std::size_t>(image.height - 1 - y) * rowSize;
    std::memset(row, 0, rowSize);
    const std::uint8_t* src = bgra + static_cast<std::size_t>(y) * w * 4;
    for (std::size_t x = 0; x < w; ++x, src += 4) {
      switch (image.bitCount) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = x * static_cast<std::size_t>(image.bitCount);
          const int shift = 8 - image.bitCount - static_cast<int>(bit % 8);
          row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | (nearest.Find(src[0], src[1], src[2]) << shift));
          break;
        }
        case 16:
        case 32: {
          const std::uint32_t pixel = red.Put(src[2]) | green.Put(src[1]) | blue.Put(src[0]);
          const std::size_t bytes = static_cast<std::size_t>(image.bitCount / 8);
          for (std::size_t k = 0; k < bytes; ++k) row[x * bytes + k] = static_cast<std::uint8_t>(pixel >> (8 * k));
          break;
        }
        default: std::memcpy(row + x * 3, src, 3);
      }
    }
  }
}

}  // namespace toolkit
