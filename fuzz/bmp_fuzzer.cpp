#include "PictureHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  harness::BmpInput(data, size);
  return 0;
}
