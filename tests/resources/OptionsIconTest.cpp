// The Options dialog's window icon: one 32 x 32 image of 256 colours, a red
// tick on a teal square.
#include "resources/EmbeddedResources.h"
#include "resources/Icon32Layout.h"
#include "resources/LittleEndian.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using littleendian::I32;
using littleendian::U16;
using littleendian::U32;
using muralto::EmbeddedResource;

using namespace icon32;

TEST(OptionsIcon, IsARedTickOnATealSquareIn256Colours) {
  const std::span<const std::uint8_t> ico = EmbeddedResource("OPTIONSICON");
  ASSERT_EQ(ico.size(), iconSize);
  EXPECT_EQ(U16(ico, 2), 1);  // an icon
  EXPECT_EQ(U16(ico, 4), 1);  // of one image
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(U16(ico, 12), 8);  // bits per pixel
  EXPECT_EQ(U32(ico, 18), imageOffset);
  EXPECT_EQ(I32(ico, imageOffset + 4), 32);
  EXPECT_EQ(I32(ico, imageOffset + 8), 64);
  EXPECT_EQ(U16(ico, imageOffset + 14), 8);
  int teal = 0, red = 0, clear = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      // Both halves are stored bottom-up.
      clear += (ico[andOffset + 4 * (31 - y) + x / 8] >> (7 - x % 8)) & 1;
      const std::size_t entry = paletteOffset + 4 * ico[xorOffset + 32 * (31 - y) + x];
      const int r = ico[entry + 2], g = ico[entry + 1], b = ico[entry];
      if (g > r + 60 && b > r + 60 && std::abs(g - b) < 60) ++teal;
      if (r > 130 && g < 60 && b < 60) ++red;
    }
  EXPECT_EQ(clear, 0) << "the square fills the icon";
  EXPECT_GT(teal, 32 * 32 / 2);
  EXPECT_GT(red, 80) << "the tick (a swapped palette would make it blue)";
}

}  // namespace
