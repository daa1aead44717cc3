#include "resources/Glyphs.h"
#include "resources/LittleEndian.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

using littleendian::I32;
using littleendian::U16;
using littleendian::U32;
using muralto::GlyphBitmap;

struct GlyphCase {
  const char* name;
  std::array<const char*, 6> rows;  // '#' black, '.' olive; top row first
};

const GlyphCase glyphCases[] = {
    {"SpinUp", {".........", "....#....", "...###...", "..#####..", ".#######.", "........."}},
    {"SpinDown", {".........", ".#######.", "..#####..", "...###...", "....#....", "........."}},
};

// Decodes a 4-bit BMP into rows of '#' (black), '.' (olive) and '?' (other).
std::vector<std::string> Decode(std::span<const std::uint8_t> bmp) {
  const std::uint32_t pixelOffset = U32(bmp, 10);
  const int width = I32(bmp, 18);
  const int height = I32(bmp, 22);
  const std::size_t stride = ((width * 4 + 31) / 32) * 4;
  std::vector<std::string> rows(height);
  for (int y = 0; y < height; ++y) {
    const std::size_t rowStart = pixelOffset + stride * (height - 1 - y);  // bottom-up
    for (int x = 0; x < width; ++x) {
      const std::uint8_t byte = bmp[rowStart + x / 2];
      const int index = (x % 2 == 0) ? byte >> 4 : byte & 0x0F;
      const std::size_t entry = 14 + 40 + 4 * index;
      const int blue = bmp[entry], green = bmp[entry + 1], red = bmp[entry + 2];
      if (red == 0 && green == 0 && blue == 0)
        rows[y] += '#';
      else if (red == 128 && green == 128 && blue == 0)
        rows[y] += '.';
      else
        rows[y] += '?';
    }
  }
  return rows;
}

TEST(GlyphBitmap, HeadersDescribeNineBySixSixteenColours) {
  for (const GlyphCase& c : glyphCases) {
    SCOPED_TRACE(c.name);
    const auto bmp = GlyphBitmap(c.name);
    ASSERT_EQ(bmp.size(), 14u + 40u + 16u * 4u + 6u * 8u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(U32(bmp, 2), bmp.size());
    EXPECT_EQ(U32(bmp, 10), 14u + 40u + 64u);
    EXPECT_EQ(U32(bmp, 14), 40u);
    EXPECT_EQ(I32(bmp, 18), 9);
    EXPECT_EQ(I32(bmp, 22), 6);  // positive: bottom-up rows
    EXPECT_EQ(U16(bmp, 26), 1);
    EXPECT_EQ(U16(bmp, 28), 4);
    EXPECT_EQ(U32(bmp, 30), 0u);  // uncompressed
    EXPECT_EQ(U32(bmp, 46), 16u);
  }
}

TEST(GlyphBitmap, PixelsAreTheTriangleOnOlive) {
  for (const GlyphCase& c : glyphCases) {
    SCOPED_TRACE(c.name);
    const auto rows = Decode(GlyphBitmap(c.name));
    ASSERT_EQ(rows.size(), 6u);
    for (std::size_t y = 0; y < rows.size(); ++y) EXPECT_EQ(rows[y], c.rows[y]) << "row " << y;
    // The speed button takes the bottom-left pixel's colour as transparent.
    EXPECT_EQ(rows[5][0], '.');
  }
}

TEST(GlyphBitmap, PaddingBitsAreZero) {
  for (const GlyphCase& c : glyphCases) {
    SCOPED_TRACE(c.name);
    const auto bmp = GlyphBitmap(c.name);
    for (int row = 0; row < 6; ++row) {
      const std::size_t start = 14 + 40 + 64 + 8 * row;
      EXPECT_EQ(bmp[start + 4] & 0x0F, 0) << "row " << row;
      for (int i = 5; i < 8; ++i) EXPECT_EQ(bmp[start + i], 0) << "row " << row << " byte " << i;
    }
  }
}

}  // namespace
