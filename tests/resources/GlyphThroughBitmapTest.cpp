// The glyph bytes as the toolkit's bitmap reads them: what the spin edit
// draws in every build.
#include "resources/Glyphs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/graphics/Bitmap.h"
#include "toolkit/io/MemoryStream.h"

namespace {

using muralto::GlyphBitmap;

std::vector<std::string> Rows(const toolkit::TBitmap& bitmap) {
  const std::vector<std::uint8_t> bgra = bitmap.ToBgra();
  std::vector<std::string> rows(bitmap.Height());
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const std::uint8_t* p = &bgra[4 * (y * bitmap.Width() + x)];
      const bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
      const bool olive = p[0] == 0 && p[1] == 128 && p[2] == 128;
      rows[y] += black ? '#' : olive ? '.' : '?';
    }
  return rows;
}

TEST(GlyphThroughBitmap, ReadsAsTheTriangleOnOlive) {
  const struct {
    const char* name;
    std::vector<std::string> rows;
  } cases[] = {
      {"SpinUp", {".........", "....#....", "...###...", "..#####..", ".#######.", "........."}},
      {"SpinDown", {".........", ".#######.", "..#####..", "...###...", "....#....", "........."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto bytes = GlyphBitmap(c.name);
    toolkit::TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    toolkit::TBitmap bitmap;
    bitmap.LoadFromStream(stream);
    ASSERT_EQ(bitmap.Width(), 9);
    ASSERT_EQ(bitmap.Height(), 6);
    EXPECT_EQ(bitmap.BitsPerPixel(), 4);
    EXPECT_EQ(Rows(bitmap), c.rows);
  }
}

}  // namespace
