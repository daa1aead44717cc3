#include "resources/EmbeddedResources.h"
#include "resources/LittleEndian.h"

#include <gtest/gtest.h>

namespace {

using littleendian::U16;
using muralto::EmbeddedResource;

// The About box's window icon: one 32 x 32 image of 256 colours, a yellow
// arrow on a light-green square, with nothing of it transparent.
TEST(AboutIcon, IsAYellowArrowOnALightGreenSquareIn256Colours) {
  std::span<const std::uint8_t> ico = EmbeddedResource("ABOUTICON");
  constexpr std::size_t image = 6 + 16, palette = image + 40, pixels = palette + 256 * 4, mask = pixels + 32 * 32;
  ASSERT_EQ(ico.size(), mask + 32 * 4);
  EXPECT_EQ(U16(ico, 4), 1);  // one image
  EXPECT_EQ(ico[6], 32);
  EXPECT_EQ(ico[7], 32);
  EXPECT_EQ(U16(ico, image + 14), 8);  // bits per pixel
  for (std::size_t i = mask; i < ico.size(); ++i) ASSERT_EQ(ico[i], 0) << "transparent mask byte " << i - mask;
  struct Point {
    const char* what;
    int x, y;
    bool yellow;
  };
  const Point points[] = {
      {"the top of the arrow's arc", 15, 8, true},
      {"the square's lower left", 4, 28, false},
      {"the square's upper right", 27, 4, false},
      {"inside the arc", 16, 17, false},
  };
  for (const Point& p : points) {
    const std::size_t entry = palette + 4 * ico[pixels + 32 * (31 - p.y) + p.x];
    const int red = ico[entry + 2], green = ico[entry + 1], blue = ico[entry];
    if (p.yellow) {
      EXPECT_TRUE(red > 200 && green > 170 && blue < 90) << p.what << ": " << red << "," << green << "," << blue;
    } else {
      EXPECT_TRUE(green > 200 && green > red + 30 && green > blue + 30 && red > 120)
          << p.what << ": " << red << "," << green << "," << blue;
    }
  }
}

}  // namespace
