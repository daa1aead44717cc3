// Every BMP layout of the generated set read into the colours it must show,
// written back and read again; broken files give their exact failure.
#include <gtest/gtest.h>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/io/MemoryStream.h"
#include "unit/toolkit/PictureFiles.h"

namespace {

using pictures::Bytes;
using pictures::Le16;
using pictures::Le32;

toolkit::TBitmap Load(const std::vector<std::uint8_t>& bytes) {
  toolkit::TMemoryStream stream(bytes);
  toolkit::TBitmap bitmap;
  bitmap.LoadFromStream(stream);
  return bitmap;
}

std::vector<std::uint8_t> Save(const toolkit::TBitmap& bitmap) {
  toolkit::TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return stream.Bytes();
}

std::string Failure(const std::vector<std::uint8_t>& bytes) {
  try {
    Load(bytes);
  } catch (const toolkit::Exception& e) {
    return e.Message();
  }
  return "loaded";
}

TEST(BmpFormat, EveryLayoutShowsItsColoursAndSurvivesWritingBack) {
  const auto cases = pictures::Cases("bmp-cases.txt");
  ASSERT_GT(cases.size(), 40u);
  int checked = 0;
  for (const auto& row : cases) {
    if (row[1] != "ok") continue;
    const std::string& name = row[0];
    SCOPED_TRACE(name);
    const auto original = Bytes(name);
    toolkit::TBitmap bitmap;
    ASSERT_NO_THROW(bitmap = Load(original));
    const auto expected = Bytes(name + ".bgra");
    EXPECT_EQ(bitmap.ToBgra(), expected) << name << ": colours";

    const auto written = Save(bitmap);
    const bool core = Le32(original, 14) == 12;
    EXPECT_EQ(Le32(written, 14), core ? 12u : 40u) << name << ": header form";
    EXPECT_EQ(Le32(written, 2), written.size()) << name << ": file size field";
    if (!core) {
      EXPECT_EQ(Le16(written, 28), Le16(original, 28)) << name << ": bit depth";
      const std::uint32_t compression = Le32(original, 30);
      if (compression == 1 || compression == 2) {
        EXPECT_EQ(Le32(written, 30), compression) << name << ": encoding";
      }
      EXPECT_GT(static_cast<std::int32_t>(Le32(written, 22)), 0) << name << ": rows bottom-up";
    }
    toolkit::TBitmap again;
    ASSERT_NO_THROW(again = Load(written)) << name;
    EXPECT_EQ(again.ToBgra(), expected) << name << ": colours after writing back";
    EXPECT_EQ(again.PixelFormat(), bitmap.PixelFormat()) << name;
    ++checked;
  }
  EXPECT_GE(checked, 24);
}

TEST(BmpFormat, BrokenFilesFailWithTheirMessage) {
  int checked = 0;
  for (const auto& row : pictures::Cases("bmp-cases.txt")) {
    if (row[1] == "ok") continue;
    EXPECT_EQ(Failure(Bytes(row[0])), row[1]) << row[0];
    ++checked;
  }
  EXPECT_GE(checked, 20);
}

TEST(BmpFormat, RunLengthAndCorePicturesAreWrittenBackAsRead) {
  for (const char* name : {"rle8.bmp", "rle4.bmp", "rle8-delta.bmp", "core24.bmp", "core8.bmp", "core1.bmp"}) {
    auto original = Bytes(name);
    const auto written = Save(Load(original));
    // The resolution is not kept: written as 0.
    if (Le32(original, 14) == 40) std::fill(original.begin() + 38, original.begin() + 46, 0);
    EXPECT_EQ(written, original) << name;
  }
}

TEST(BmpFormat, DeepPicturesKeepTheirColourTableByteForByte) {
  for (const char* name : {"rgb24-table.bmp", "rgb32-table.bmp", "rgb16-565-bitfields-table.bmp"}) {
    auto original = Bytes(name);
    const auto written = Save(Load(original));
    // The resolution is not kept: written as 0.
    std::fill(original.begin() + 38, original.begin() + 46, 0);
    EXPECT_EQ(written, original) << name << ": header, masks, table and pixels as read";
  }
}

TEST(BmpFormat, LargerHeadersAreWrittenWithTheInfoHeaderAndMasksAfterIt) {
  const auto written = Save(Load(Bytes("rgb32-v5-bitfields.bmp")));
  EXPECT_EQ(Le32(written, 10), 14u + 40u + 12u);
  EXPECT_EQ(Le32(written, 30), 3u);
  EXPECT_EQ(Le32(written, 54), 0xFF0000u);
  EXPECT_EQ(Le32(written, 58), 0x00FF00u);
  EXPECT_EQ(Le32(written, 62), 0x0000FFu);
}

TEST(BmpFormat, EightBitPictureKeepsItsTableAndCount) {
  const auto bitmap = Load(Bytes("pal8-table16.bmp"));
  EXPECT_EQ(bitmap.PixelFormat(), toolkit::pf8bit);
  const auto written = Save(bitmap);
  EXPECT_EQ(Le32(written, 46), 16u);
  EXPECT_EQ(Le32(written, 10), 14u + 40u + 16u * 4u);
}

TEST(BmpFormat, PixelFormatsFollowTheFile) {
  const std::pair<const char*, toolkit::TPixelFormat> rows[] = {
      {"pal1.bmp", toolkit::pf1bit},
      {"pal4.bmp", toolkit::pf4bit},
      {"pal8.bmp", toolkit::pf8bit},
      {"rgb16-555.bmp", toolkit::pf15bit},
      {"rgb16-565-bitfields.bmp", toolkit::pf16bit},
      {"rgb24.bmp", toolkit::pf24bit},
      {"rgb32.bmp", toolkit::pf32bit},
      {"rgb32-bitfields-swapped.bmp", toolkit::pfCustom},
  };
  for (const auto& [name, format] : rows) EXPECT_EQ(Load(Bytes(name)).PixelFormat(), format) << name;
}

TEST(BmpFormat, FailedLoadKeepsThePreviousPicture) {
  toolkit::TBitmap bitmap = Load(Bytes("rgb24.bmp"));
  const auto before = bitmap.ToBgra();
  for (const char* name : {"empty.bmp", "cut-in-pixels.bmp", "planes2.bmp"}) {
    toolkit::TMemoryStream stream(Bytes(name));
    EXPECT_THROW(bitmap.LoadFromStream(stream), toolkit::Exception) << name;
    EXPECT_EQ(bitmap.ToBgra(), before) << name;
  }
}

// Every prefix of a valid file fails cleanly (or, for the few that end
// inside the pixel gap of nothing, loads); never reads past the end.
TEST(BmpFormat, EveryTruncationOfAFileFailsCleanly) {
  for (const char* name : {"pal8.bmp", "rle8.bmp", "rgb32-v5-bitfields.bmp", "core8.bmp"}) {
    const auto whole = Bytes(name);
    for (std::size_t n = 0; n < whole.size(); n += (n < 200 ? 1 : 97)) {
      const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
      const std::string outcome = Failure(cut);
      EXPECT_TRUE(outcome == "Stream read error" || outcome == "loaded") << name << " cut at " << n << ": " << outcome;
    }
  }
}

TEST(BmpFormat, TwentyFourBitLayoutIsByteForByte) {
  // 2 x 2 pixels: rows of 6 bytes padded to 8, bottom row first.
  toolkit::TBitmap bitmap;
  bitmap.SetPixelFormat(toolkit::pf24bit);
  const std::uint8_t bgra[] = {1, 2, 3, 0, 4,  5,  6,  0,  // top row
                               7, 8, 9, 0, 10, 11, 12, 0};
  bitmap.CopyFromBgra(bgra, 2, 2);
  const std::vector<std::uint8_t> expected = {
      'B', 'M', 70, 0,  0,  0,  0, 0, 0, 0, 54, 0, 0, 0,                     // file header
      40,  0,   0,  0,  2,  0,  0, 0, 2, 0, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0,  // size .. compression
      16,  0,   0,  0,  0,  0,  0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0,  // image size .. important
      7,   8,   9,  10, 11, 12, 0, 0, 1, 2, 3,  4, 5, 6, 0,  0};
  EXPECT_EQ(Save(bitmap), expected);
}

TEST(BmpFormat, EmptyBitmapIsNeverWritten) {
  toolkit::TBitmap bitmap;
  toolkit::TMemoryStream stream;
  EXPECT_THROW(bitmap.SaveToStream(stream), toolkit::EInvalidGraphic);
  EXPECT_EQ(stream.Size(), 0);
}

}  // namespace
