// TJPEGImage against what djpeg makes of the same files with the same
// settings, and its failures.
#include "toolkit/graphics/JPEGImage.h"

#include <gtest/gtest.h>
#include <jerror.h>
#include <jpeglib.h>

#include <cstdlib>

#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/graphics/ScreenDepth.h"
#include "toolkit/io/MemoryStream.h"
#include "unit/toolkit/PictureFiles.h"

namespace {

using pictures::Bytes;

class ScreenBits {
 public:
  explicit ScreenBits(int bits) { toolkit::SetScreenBitsPerPixel(bits); }
  ~ScreenBits() { toolkit::SetScreenBitsPerPixel(24); }
};

void Load(toolkit::TJPEGImage& jpeg, const std::string& name) {
  toolkit::TMemoryStream stream(Bytes(name));
  jpeg.LoadFromStream(stream);
}

std::vector<std::uint8_t> Convert(const std::string& name) {
  toolkit::TJPEGImage jpeg;
  Load(jpeg, name);
  toolkit::TBitmap bitmap;
  bitmap.AssignUndecoded(jpeg);
  toolkit::TMemoryStream out;
  bitmap.SaveToStream(out);
  return out.Bytes();
}

std::string Failure(const std::vector<std::uint8_t>& bytes) {
  try {
    toolkit::TJPEGImage jpeg;
    toolkit::TMemoryStream stream(bytes);
    jpeg.LoadFromStream(stream);
    toolkit::TBitmap bitmap;
    bitmap.AssignUndecoded(jpeg);
    bitmap.Image();
  } catch (const toolkit::Exception& e) {
    return e.Message();
  }
  return "decoded";
}

// The same picture, written the same way, as djpeg's BMP: it leaves the
// image size field 0 and pads its colour table to 256 entries.
void ExpectSameAsReference(const std::vector<std::uint8_t>& ours, const std::vector<std::uint8_t>& ref,
                           const std::string& row) {
  using pictures::Le16;
  using pictures::Le32;
  ASSERT_GE(ours.size(), 54u) << row;
  ASSERT_GE(ref.size(), 54u) << row;
  for (std::size_t field : {18u, 22u, 30u}) EXPECT_EQ(Le32(ours, field), Le32(ref, field)) << row << " field " << field;
  EXPECT_EQ(Le16(ours, 28), Le16(ref, 28)) << row << " bits";
  const std::uint32_t ourTable = Le32(ours, 10) - 54, refTable = Le32(ref, 10) - 54;
  ASSERT_LE(ourTable, refTable) << row;
  EXPECT_TRUE(std::equal(ours.begin() + 54, ours.begin() + 54 + ourTable, ref.begin() + 54)) << row << " table";
  EXPECT_TRUE(std::equal(ours.begin() + 54 + ourTable, ours.end(), ref.begin() + 54 + refTable, ref.end()))
      << row << " pixels";
}

TEST(JPEGImage, DecodesLikeDjpegWithTheSameSettings) {
  const auto cases = pictures::Cases("jpeg-cases.txt");
  ASSERT_GE(cases.size(), 20u);
  for (const auto& row : cases) {
    const std::string label = row[0] + " on a " + row[1] + "-bit screen";
    ScreenBits screen(std::atoi(row[1].c_str()));
    ExpectSameAsReference(Convert(row[0]), Bytes(row[2]), label);
  }
}

TEST(JPEGImage, HeaderIsReadOnLoadWithoutDecoding) {
  toolkit::TJPEGImage jpeg;
  EXPECT_TRUE(jpeg.Empty());
  Load(jpeg, "progressive.jpg");
  EXPECT_EQ(jpeg.Width(), 160);
  EXPECT_EQ(jpeg.Height(), 120);
  EXPECT_TRUE(jpeg.ProgressiveEncoding());
  EXPECT_EQ(jpeg.ColorSpace(), toolkit::TJPEGColorSpace::jcYCbCr);
  Load(jpeg, "gray.jpg");
  EXPECT_TRUE(jpeg.Grayscale());
  EXPECT_FALSE(jpeg.ProgressiveEncoding());
}

TEST(JPEGImage, OutputFormatFollowsTheScreenDepthAtCreation) {
  const std::pair<int, toolkit::TJPEGPixelFormat> rows[] = {{4, toolkit::TJPEGPixelFormat::jf8Bit},
                                                            {8, toolkit::TJPEGPixelFormat::jf8Bit},
                                                            {16, toolkit::TJPEGPixelFormat::jf24Bit},
                                                            {32, toolkit::TJPEGPixelFormat::jf24Bit}};
  for (const auto& [bits, format] : rows) {
    ScreenBits screen(bits);
    EXPECT_EQ(toolkit::TJPEGImage().PixelFormat(), format) << bits << " bits";
  }
}

TEST(JPEGImage, GrayscaleGivesEightBitsWithAGrayTableOfAtMost236) {
  toolkit::TJPEGImage jpeg;
  Load(jpeg, "gray.jpg");
  toolkit::TBitmap bitmap;
  bitmap.AssignUndecoded(jpeg);
  EXPECT_EQ(bitmap.PixelFormat(), toolkit::pf8bit);
  ASSERT_FALSE(bitmap.Image().palette.empty());
  EXPECT_LE(bitmap.Image().palette.size(), 236u);
  for (const auto& c : bitmap.Image().palette) {
    EXPECT_EQ(c.rgbRed, c.rgbGreen);
    EXPECT_EQ(c.rgbGreen, c.rgbBlue);
  }
}

// CMYK pictures follow the Adobe convention (inverted inks): the result must
// look like the picture that was separated, within the JPEG's own loss.
TEST(JPEGImage, CmykPictureLooksLikeItsSource) {
  toolkit::TJPEGImage jpeg;
  Load(jpeg, "cmyk.jpg");
  // ImageMagick stores its CMYK as YCCK; the library turns that into CMYK.
  EXPECT_TRUE(jpeg.ColorSpace() == toolkit::TJPEGColorSpace::jcCMYK ||
              jpeg.ColorSpace() == toolkit::TJPEGColorSpace::jcYCCK);
  toolkit::TBitmap bitmap;
  bitmap.AssignUndecoded(jpeg);
  ASSERT_EQ(bitmap.PixelFormat(), toolkit::pf24bit);
  const auto ppm = Bytes("source.ppm");
  const std::size_t header = ppm.size() - 160u * 120u * 3u;
  const auto bgra = bitmap.ToBgra();
  double total = 0;
  for (std::size_t i = 0; i < 160u * 120u; ++i) {
    for (int c = 0; c < 3; ++c) total += std::abs(int(bgra[i * 4 + 2 - c]) - int(ppm[header + i * 3 + c]));
  }
  EXPECT_LT(total / (160.0 * 120.0 * 3.0), 12.0);
}

TEST(JPEGImage, BrokenDataFailWithTheLibraryCode) {
  EXPECT_EQ(Failure(Bytes("not-a-jpeg.jpg")), "JPEG error #" + std::to_string(JERR_NO_SOI));
  EXPECT_EQ(Failure({}), "JPEG error #" + std::to_string(JERR_INPUT_EMPTY));
  // The start of a picture and nothing else: the header never ends.
  const auto color = Bytes("color.jpg");
  EXPECT_EQ(Failure({color.begin(), color.begin() + 2}).rfind("JPEG error #", 0), 0u);
}

TEST(JPEGImage, TruncatedPictureStillDecodes) {
  EXPECT_EQ(Failure(Bytes("truncated.jpg")), "decoded");
  EXPECT_EQ(Failure(Bytes("truncated-progressive.jpg")), "decoded");
}

TEST(JPEGImage, PictureBeyondTheSizeLimitFailsBeforeAllocating) {
  const std::uint64_t saved = toolkit::TJPEGImage::MaxDecodedBytes();
  toolkit::TJPEGImage::SetMaxDecodedBytes(1000);
  EXPECT_EQ(Failure(Bytes("color.jpg")), "JPEG error #" + std::to_string(JERR_OUT_OF_MEMORY));
  toolkit::TJPEGImage::SetMaxDecodedBytes(saved);
}

TEST(JPEGImage, FailedLoadKeepsThePicture) {
  toolkit::TJPEGImage jpeg;
  Load(jpeg, "small.jpg");
  toolkit::TMemoryStream junk(Bytes("not-a-jpeg.jpg"));
  EXPECT_THROW(jpeg.LoadFromStream(junk), toolkit::EJPEG);
  EXPECT_EQ(jpeg.Width(), 64);
}

// A forged progressive file repeating one scan hundreds of times is refused
// instead of being decoded pass after pass.
TEST(JPEGImage, EndlessScansAreRefused) {
  const auto bytes =
      pictures::ReadHostFile(std::string(MURALTO_SOURCE_DIR) + "/tests/data/regressions/jpeg/six-hundred-scans.jpg");
  EXPECT_EQ(Failure(bytes), "JPEG error #" + std::to_string(JERR_BAD_PROGRESSION));
}

}  // namespace
