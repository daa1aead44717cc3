#pragma once
// A block of pixel bytes shared between the objects that show the same
// picture (a decoded JPEG and the bitmap it was assigned to).
#include <cstddef>
#include <cstdint>
#include <memory>

namespace toolkit {

class TPixelBuffer {
 public:
  // The bytes are not cleared: whoever fills the buffer writes every byte.
  explicit TPixelBuffer(std::size_t size) : bytes_(std::make_unique_for_overwrite<std::uint8_t[]>(size)), size_(size) {}

  std::uint8_t* Data() { return bytes_.get(); }
  const std::uint8_t* Data() const { return bytes_.get(); }
  std::size_t Size() const { return size_; }

 private:
  std::unique_ptr<std::uint8_t[]> bytes_;
  std::size_t size_;
};

}  // namespace toolkit
