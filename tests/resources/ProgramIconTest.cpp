#include "resources/EmbeddedResources.h"
#include "resources/Icon32Layout.h"
#include "resources/LittleEndian.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

using littleendian::I32;
using littleendian::U16;
using littleendian::U32;
using muralto::EmbeddedResource;

using namespace icon32;

struct Rgb {
  int red, green, blue;
};

class ProgramIcon : public ::testing::Test {
 protected:
  std::span<const std::uint8_t> ico = EmbeddedResource("MAINICON");

  // (x, y) from the top-left corner; both images are stored bottom-up.
  bool Transparent(int x, int y) const {
    const std::uint8_t byte = ico[andOffset + 4 * (31 - y) + x / 8];
    return (byte >> (7 - x % 8)) & 1;
  }
  Rgb Colour(int x, int y) const {
    const std::size_t entry = paletteOffset + 4 * ico[xorOffset + 32 * (31 - y) + x];
    return {ico[entry + 2], ico[entry + 1], ico[entry]};
  }
};

TEST_F(ProgramIcon, IsOneImageOf32By32With256Colours) {
  ASSERT_EQ(ico.size(), iconSize);
  EXPECT_EQ(U16(ico, 0), 0);  // reserved
  EXPECT_EQ(U16(ico, 2), 1);  // icon, not cursor
  EXPECT_EQ(U16(ico, 4), 1);  // one image
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(ico[8], 0);  // 256 colours are written as 0
  EXPECT_EQ(U16(ico, 10), 1);
  EXPECT_EQ(U16(ico, 12), 8);
  EXPECT_EQ(U32(ico, 14), iconSize - imageOffset);
  EXPECT_EQ(U32(ico, 18), imageOffset);
  EXPECT_EQ(U32(ico, imageOffset), 40u);
  EXPECT_EQ(I32(ico, imageOffset + 4), 32);
  EXPECT_EQ(I32(ico, imageOffset + 8), 64);  // image and mask together
  EXPECT_EQ(U16(ico, imageOffset + 14), 8);
  EXPECT_EQ(U32(ico, imageOffset + 16), 0u);
}

TEST_F(ProgramIcon, CornersAreClearAndShowNothingOfTheImage) {
  ASSERT_EQ(ico.size(), iconSize);
  for (auto [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
    EXPECT_TRUE(Transparent(x, y)) << x << "," << y;
    const Rgb c = Colour(x, y);
    EXPECT_EQ(c.red + c.green + c.blue, 0) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{16, 0}, {0, 16}, {16, 16}, {31, 16}, {16, 31}})
    EXPECT_FALSE(Transparent(x, y)) << x << "," << y;
}

TEST_F(ProgramIcon, IsBlueWaterWithALightShadedDolphin) {
  ASSERT_EQ(ico.size(), iconSize);
  int opaque = 0, blue = 0, light = 0;
  std::set<std::tuple<int, int, int>> colours;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      if (Transparent(x, y)) continue;
      const Rgb c = Colour(x, y);
      ++opaque;
      colours.emplace(c.red, c.green, c.blue);
      if (c.blue > c.red + 60) ++blue;
      if (c.red > 180 && c.green > 180 && c.blue > 180) ++light;
    }
  EXPECT_GT(opaque, 32 * 32 - 40);
  EXPECT_GT(blue, opaque / 2) << "the water is blue (a swapped palette would make it orange)";
  EXPECT_GE(light, 8) << "the dolphin's belly";
  EXPECT_GT(colours.size(), 100u) << "shaded, not posterised";
}

}  // namespace
