#include "PictureHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  harness::JpegInput(data, size);
  return 0;
}
