// Inputs that once broke (or were built to break) the picture readers,
// replayed through the same steps the fuzz targets take.
#include <gtest/gtest.h>

#include <filesystem>

#include "../fuzz/PictureHarness.h"
#include "unit/toolkit/PictureFiles.h"

namespace {

void Replay(const char* folder, void (*step)(const std::uint8_t*, std::size_t)) {
  const std::filesystem::path dir = std::filesystem::path(MURALTO_SOURCE_DIR) / "tests/data/regressions" / folder;
  int replayed = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const auto bytes = pictures::ReadHostFile(entry.path().string());
    EXPECT_NO_THROW(step(bytes.data(), bytes.size())) << entry.path().filename();
    ++replayed;
  }
  EXPECT_GT(replayed, 0) << dir;
}

TEST(RegressionInputs, BmpReaderSurvivesEveryOne) { Replay("bmp", harness::BmpInput); }
TEST(RegressionInputs, JpegDecoderSurvivesEveryOne) { Replay("jpeg", harness::JpegInput); }

}  // namespace
