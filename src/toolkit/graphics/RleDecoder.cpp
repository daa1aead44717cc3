#include "toolkit/graphics/RleDecoder.h"

namespace toolkit {

namespace {

class RowWriter {
 public:
  explicit RowWriter(TDibImage& image) : image_(image), base_(image.pixels->Data()), rowSize_(image.RowSize()) {}

  void Put(std::uint8_t index) {
    if (x_ >= image_.width) return;
    if (y_ < image_.height) {
      std::uint8_t* row = base_ + static_cast<std::size_t>(y_) * rowSize_;
      if (image_.bitCount == 8) {
        row[x_] = index;
      } else {
        std::uint8_t& byte = row[x_ / 2];
        byte = (x_ & 1) ? static_cast<std::uint8_t>((byte & 0xF0) | (index & 0x0F))
                        : static_cast<std::uint8_t>((byte & 0x0F) | (index << 4));
      }
    }
    ++x_;
  }
  void EndOfLine() {
    x_ = 0;
    ++y_;
  }
  void Move(int dx, int dy) {
    x_ = x_ + dx < image_.width ? x_ + dx : image_.width;
    y_ = y_ + dy < image_.height ? y_ + dy : image_.height;
  }
  bool Done() const { return y_ >= image_.height; }
  // Pixels past the right edge are dropped.
  int Room() const { return image_.width - x_; }

 private:
  TDibImage& image_;
  std::uint8_t* base_;
  std::size_t rowSize_;
  int x_ = 0;
  int y_ = 0;  // 0 is the bottom row, as in the file
};

}  // namespace

void DecodeRle(const std::uint8_t* data, std::size_t size, TDibImage& image) {
  const bool four = image.bitCount == 4;
  RowWriter out(image);
  std::size_t i = 0;
  while (i + 1 < size && !out.Done()) {
    const std::uint8_t count = data[i];
    const std::uint8_t value = data[i + 1];
    i += 2;
    if (count > 0) {
      // An encoded run: one index, or two alternating ones for RLE4.
      for (int k = 0; k < count && out.Room() > 0; ++k) {
        out.Put(four ? static_cast<std::uint8_t>((k & 1) ? (value & 0x0F) : (value >> 4)) : value);
      }
      continue;
    }
    if (value == 0) {
      out.EndOfLine();
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (i + 1 >= size) return;
      out.Move(data[i], data[i + 1]);
      i += 2;
    } else {
      // An absolute run of value indices, padded to a 16-bit boundary.
      const std::size_t bytes = four ? (value + 1u) / 2u : value;
      const std::size_t padded = (bytes + 1u) & ~std::size_t{1};
      for (int k = 0; k < value; ++k) {
        const std::size_t at = i + (four ? static_cast<std::size_t>(k / 2) : static_cast<std::size_t>(k));
        if (at >= size) return;
        const std::uint8_t byte = data[at];
        out.Put(four ? static_cast<std::uint8_t>((k & 1) ? (byte & 0x0F) : (byte >> 4)) : byte);
      }
      i += padded;
    }
  }
}

}  // namespace toolkit
