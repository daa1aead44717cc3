// TBitmap in memory: size, pixel formats and the screen copy.
#include "toolkit/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <vector>

#include "toolkit/core/Exceptions.h"

namespace {

std::vector<std::uint8_t> Bgra(std::initializer_list<std::uint32_t> rgb) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t c : rgb) {
    out.push_back(static_cast<std::uint8_t>(c));
    out.push_back(static_cast<std::uint8_t>(c >> 8));
    out.push_back(static_cast<std::uint8_t>(c >> 16));
    out.push_back(0);
  }
  return out;
}

TEST(Bitmap, StartsEmptyInTheDeviceFormat) {
  toolkit::TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(bitmap.PixelFormat(), toolkit::pfDevice);
  EXPECT_EQ(bitmap.Width(), 0);
}

TEST(Bitmap, CaptureIntoEachFormatKeepsTheFormatAndColours) {
  // Pure colours survive every format that can hold them.
  const auto colours = Bgra({0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00});
  const toolkit::TPixelFormat rows[] = {toolkit::pf4bit,  toolkit::pf8bit,  toolkit::pf15bit,
                                        toolkit::pf16bit, toolkit::pf24bit, toolkit::pf32bit};
  for (toolkit::TPixelFormat format : rows) {
    toolkit::TBitmap bitmap;
    bitmap.SetPixelFormat(format);
    bitmap.CopyFromBgra(colours.data(), 3, 2);
    EXPECT_EQ(bitmap.PixelFormat(), format) << "format " << format;
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(bitmap.ToBgra(), colours) << "format " << format;
  }
}

TEST(Bitmap, OneBitCaptureTakesTheNearestOfBlackAndWhite) {
  const auto colours = Bgra({0x202020, 0xE0E0E0});
  toolkit::TBitmap bitmap;
  bitmap.SetPixelFormat(toolkit::pf1bit);
  bitmap.CopyFromBgra(colours.data(), 2, 1);
  EXPECT_EQ(bitmap.ToBgra(), Bgra({0x000000, 0xFFFFFF}));
}

TEST(Bitmap, ChangingTheFormatConvertsThePixels) {
  const auto colours = Bgra({0x123456, 0xABCDEF});
  toolkit::TBitmap bitmap;
  bitmap.SetPixelFormat(toolkit::pf24bit);
  bitmap.CopyFromBgra(colours.data(), 2, 1);
  bitmap.SetPixelFormat(toolkit::pf32bit);
  EXPECT_EQ(bitmap.BitsPerPixel(), 32);
  EXPECT_EQ(bitmap.ToBgra(), colours);
  bitmap.SetPixelFormat(toolkit::pf15bit);
  EXPECT_EQ(bitmap.BitsPerPixel(), 16);
  const auto approx = bitmap.ToBgra();
  for (std::size_t i = 0; i < approx.size(); ++i) EXPECT_NEAR(approx[i], colours[i], 8) << i;
}

TEST(Bitmap, ResizingKeepsTheTopLeftPixelsAndBlackensTheRest) {
  const auto colours = Bgra({0x010203, 0x040506, 0x070809, 0x0A0B0C});
  toolkit::TBitmap bitmap;
  bitmap.SetPixelFormat(toolkit::pf24bit);
  bitmap.CopyFromBgra(colours.data(), 2, 2);
  bitmap.SetWidth(3);
  bitmap.SetHeight(1);
  EXPECT_EQ(bitmap.ToBgra(), Bgra({0x010203, 0x040506, 0x000000}));
  bitmap.SetSize(-4, 2);
  EXPECT_TRUE(bitmap.Empty());
}

TEST(Bitmap, RowsArePaddedToFourBytes) {
  const std::pair<int, std::size_t> rows[] = {{1, 4}, {3, 12}, {1001, 3004}, {4, 12}};
  for (const auto& [width, rowSize] : rows) {
    toolkit::TBitmap bitmap;
    bitmap.SetPixelFormat(toolkit::pf24bit);
    bitmap.SetSize(width, 1);
    EXPECT_EQ(bitmap.RowSize(), rowSize) << "width " << width;
  }
}

}  // namespace
