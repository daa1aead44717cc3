// A pick's conversion over the simulated Windows: the wallpaper file, the
// objects it reuses and every failure with its message.
#include "wallpaper/ConvertPicture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/files.h"
#include "platform/sim/world.h"

#include <cstdio>
#include <cstdlib>

#include <jerror.h>
#include <jpeglib.h>

#include "support/TestMachine.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/JpegBmpFile.h"
#include "toolkit/graphics/ScreenDepth.h"
#include "toolkit/io/MemoryStream.h"
#include "unit/toolkit/PictureFiles.h"

namespace {

using support::TestMachine;

std::vector<std::uint8_t> AsBytes(const std::string& s) { return {s.begin(), s.end()}; }

class ConvertPictureTest : public ::testing::Test {
 protected:
  ConvertPictureTest() {
    toolkit::SetScreenBitsPerPixel(24);
    machine.MakeDir("C:\\Pics");
    workBitmap.SetPixelFormat(toolkit::pf24bit);
  }

  void Put(const std::string& name, const std::string& generated) {
    const auto bytes = pictures::Bytes(generated);
    machine.WriteFile("C:\\Pics\\" + name, std::string(bytes.begin(), bytes.end()));
  }

  void Convert(const std::string& picture) {
    muralto::ConvertPicture(picture, TestMachine::DataDir, "wallpaper.bmp", currentExtension, wallpaperPath, jpegImage,
                            workBitmap);
  }

  std::string Failure(const std::string& picture) {
    try {
      Convert(picture);
    } catch (const toolkit::Exception& e) {
      return e.Message();
    }
    return "converted";
  }

  std::vector<std::uint8_t> Wallpaper() { return AsBytes(machine.ReadFile(Wallpaper_)); }

  TestMachine machine;
  toolkit::TJPEGImage jpegImage;
  toolkit::TBitmap workBitmap;
  std::string currentExtension;
  std::string wallpaperPath;
  const std::string Wallpaper_ = "C:\\Muralto\\data\\wallpaper.bmp";
};

TEST_F(ConvertPictureTest, ColourJpegBecomesA24BitWallpaperFile) {
  Put("photo.JPG", "color.jpg");
  Convert("C:\\Pics\\photo.JPG");
  EXPECT_EQ(currentExtension, ".jpg");
  EXPECT_EQ(wallpaperPath, Wallpaper_);
  const auto file = Wallpaper();
  EXPECT_EQ(pictures::Le16(file, 28), 24);
  EXPECT_EQ(pictures::Le32(file, 18), 160u);
  EXPECT_EQ(pictures::Le32(file, 34), 160u * 3u * 120u);
  EXPECT_EQ(pictures::Le32(file, 2), file.size());
}

TEST_F(ConvertPictureTest, JpegOf1001PixelsHasRowsOf3004Bytes) {
  Put("wide.jpeg", "wide1001.jpg");
  Convert("C:\\Pics\\wide.jpeg");
  const auto file = Wallpaper();
  EXPECT_EQ(pictures::Le32(file, 34), 3004u * 9u);
  EXPECT_EQ(file.size(), 54u + 3004u * 9u);
  for (std::size_t row = 0; row < 9; ++row) EXPECT_EQ(file[54 + row * 3004 + 3003], 0) << "padding of row " << row;
}

TEST_F(ConvertPictureTest, GrayscaleJpegAndEightBitBmpGiveEightBitFiles) {
  const std::pair<const char*, const char*> rows[] = {{"g.jpg", "gray.jpg"}, {"p.bmp", "pal8.bmp"}};
  for (const auto& [name, generated] : rows) {
    Put(name, generated);
    Convert(std::string("C:\\Pics\\") + name);
    const auto file = Wallpaper();
    EXPECT_EQ(pictures::Le16(file, 28), 8) << name;
    const std::uint32_t colours = pictures::Le32(file, 46);
    EXPECT_GT(colours, 0u) << name;
    EXPECT_EQ(pictures::Le32(file, 10), 54u + 4u * colours) << name;
  }
}

// Every BMP of the generated set, copied into the wallpaper file a strip at
// a time, gives the file of the picture read whole and written back, or
// fails with its message and leaves the file, the bitmap and the path as
// they were. The bitmap keeps the picture's size and format, no pixels; a
// pick of any other name writes its picture again from its file.
TEST_F(ConvertPictureTest, BmpGivesTheFileOfItsWholeReadAndWrite) {
  Put("old.jpg", "small.jpg");
  for (const auto& row : pictures::Cases("bmp-cases.txt")) {
    const auto bytes = pictures::Bytes(row[0]);
    toolkit::TMemoryStream in(bytes), expected;
    toolkit::TBitmap whole;
    try {
      whole.LoadFromStream(in);
      whole.SaveToStream(expected);
    } catch (const toolkit::Exception&) {
    }
    Convert("C:\\Pics\\old.jpg");
    const auto before = Wallpaper();
    wallpaperPath = "unchanged";
    Put(row[0], row[0]);
    const std::string outcome = Failure("C:\\Pics\\" + row[0]);
    if (row[1] != "ok") {
      EXPECT_EQ(outcome, row[1]) << row[0];
      EXPECT_EQ(Wallpaper(), before) << row[0];
      EXPECT_EQ(wallpaperPath, "unchanged") << row[0];
      EXPECT_EQ(workBitmap.Width(), 64) << row[0];
      continue;
    }
    ASSERT_EQ(outcome, "converted") << row[0];
    const auto file = expected.Bytes();
    EXPECT_TRUE(Wallpaper() == file) << row[0];
    EXPECT_EQ(workBitmap.Width(), whole.Width()) << row[0];
    EXPECT_EQ(workBitmap.Height(), whole.Height()) << row[0];
    EXPECT_EQ(workBitmap.PixelFormat(), whole.PixelFormat()) << row[0];
    EXPECT_EQ(workBitmap.Image().pixels, nullptr) << row[0] << ": no pixels kept";
    machine.WriteFile(Wallpaper_, "stale");
    Convert("C:\\Pics\\other.gif");
    EXPECT_TRUE(Wallpaper() == file) << row[0] << ", written again";
  }
}

TEST_F(ConvertPictureTest, FailuresCarryTheirMessages) {
  Put("junk.jpg", "not-a-jpeg.jpg");
  machine.MakeDir("C:\\Pics\\folder.jpg");
  const std::pair<std::string, std::string> rows[] = {
      {"C:\\Pics\\missing.jpg", "Cannot open file C:\\Pics\\missing.jpg"},
      {"C:\\Pics\\folder.jpg", "Cannot open file C:\\Pics\\folder.jpg"},
      {"C:\\Pics\\junk.jpg", "JPEG error #53"},
  };
  for (const auto& [picture, message] : rows) EXPECT_EQ(Failure(picture), message) << picture;
}

// A failed load leaves the previous wallpaper file, byte for byte, and the
// previous picture in the work bitmap; an empty .bmp never produces an empty
// wallpaper file.
TEST_F(ConvertPictureTest, FailedLoadKeepsTheWallpaperFileAndTheBitmap) {
  Put("good.jpg", "small.jpg");
  Put("empty.bmp", "empty.bmp");
  Put("junk.jpg", "not-a-jpeg.jpg");
  Put("trunc.bmp", "cut-in-pixels.bmp");
  Convert("C:\\Pics\\good.jpg");
  const auto before = Wallpaper();
  const auto pixels = workBitmap.ToBgra();
  for (const char* bad : {"C:\\Pics\\empty.bmp", "C:\\Pics\\junk.jpg", "C:\\Pics\\trunc.bmp", "C:\\Pics\\gone.bmp"}) {
    EXPECT_NE(Failure(bad), "converted") << bad;
    EXPECT_EQ(Wallpaper(), before) << bad;
    EXPECT_EQ(workBitmap.ToBgra(), pixels) << bad;
  }
}

TEST_F(ConvertPictureTest, TruncatedJpegStillGivesAWallpaper) {
  Put("t.jpg", "truncated.jpg");
  Convert("C:\\Pics\\t.jpg");
  EXPECT_EQ(Wallpaper().size(), 54u + 480u * 120u);
}

TEST_F(ConvertPictureTest, MissingDataFolderFailsToCreateTheFile) {
  Put("good.jpg", "small.jpg");
  machine.Remove("C:\\Muralto\\data");
  EXPECT_EQ(Failure("C:\\Pics\\good.jpg"), "Cannot create file C:\\Muralto\\data\\wallpaper.bmp");
}

// A wallpaper file that cannot be written whole keeps its old bytes, no
// passing file is left beside it, and the failure is that of a wallpaper
// file that cannot be created.
TEST_F(ConvertPictureTest, WriteThatBreaksOffKeepsTheOldWallpaperFile) {
  Put("old.jpg", "small.jpg");
  Put("new.jpg", "color.jpg");
  Put("new.bmp", "large-topdown.bmp");
  Convert("C:\\Pics\\old.jpg");
  const auto before = Wallpaper();
  for (const char* picture : {"C:\\Pics\\new.jpg", "C:\\Pics\\new.bmp"}) {
    platform::Handle held = platform::InvalidHandleValue;
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"the disk fills up inside the pixel rows", [] { sim::LimitDiskSpace(20000); }},
        {"the disk fills up inside the header", [] { sim::LimitDiskSpace(30); }},
        {"the disk is full", [] { sim::LimitDiskSpace(0); }},
        {"the wallpaper file is open elsewhere",
         [&] { held = platform::OpenFileForReadDenyWrite(Wallpaper_.c_str()); }},
        // Last: nothing lifts the refusal but a new machine.
        {"the data folder refuses writes", [] { sim::DenyWritesUnder("C:\\Muralto\\data"); }},
    };
    for (const auto& [why, breakIt] : rows) {
      breakIt();
      EXPECT_EQ(Failure(picture), "Cannot create file " + Wallpaper_) << why;
      platform::CloseHandle(held);
      held = platform::InvalidHandleValue;
      sim::LimitDiskSpace(sim::NoDiskLimit);
      EXPECT_EQ(Wallpaper(), before) << why;
      const std::filesystem::directory_iterator data(machine.Host(TestMachine::DataDir)), end;
      EXPECT_EQ(std::distance(data, end), 1) << why << ": only the wallpaper file is in the data folder";
    }
  }
}

// The file is written strip by strip from its end back: every picture of
// the corpus must give exactly the bytes of its bitmap decoded whole, in
// the program's strips of 1 MiB (several for the large pictures) and in
// smaller ones: a row, and seven and a half rows, which leave every
// picture's last strip short.
TEST_F(ConvertPictureTest, JpegFileHasTheBytesOfItsWholeDecodedBitmap) {
  for (const auto& row : pictures::Cases("jpeg-cases.txt")) {
    toolkit::SetScreenBitsPerPixel(std::atoi(row[1].c_str()));
    toolkit::TJPEGImage whole, picked;
    toolkit::SetScreenBitsPerPixel(24);
    toolkit::TMemoryStream in(pictures::Bytes(row[0]));
    whole.LoadFromStream(in);
    toolkit::TBitmap bitmap;
    bitmap.AssignUndecoded(whole);
    toolkit::TMemoryStream expected;
    bitmap.SaveToStream(expected);
    Put(row[0], row[0]);
    muralto::ConvertPicture("C:\\Pics\\" + row[0], TestMachine::DataDir, "wallpaper.bmp", currentExtension,
                            wallpaperPath, picked, workBitmap);
    const auto bytes = expected.Bytes();
    EXPECT_TRUE(Wallpaper() == bytes) << row[0] << " on a " << row[1] << "-bit screen";
    const std::size_t rowSize = bitmap.Image().RowSize();
    for (const std::size_t strip : {std::size_t{1}, rowSize * 7 + rowSize / 2}) {
      toolkit::WriteJpegAsBmpFile(picked.Source(), Wallpaper_, strip);
      EXPECT_TRUE(Wallpaper() == bytes) << row[0] << " on a " << row[1] << "-bit screen, strips of " << strip;
    }
  }
}

// Data that break while decoding fail as a broken picture, also when the
// file could not have been written: the picture is decoded first. The file,
// the bitmap and the path keep what they had.
TEST_F(ConvertPictureTest, PictureThatBreaksWhileDecodingFailsAsSuchWhateverTheFile) {
  const auto scans =
      pictures::ReadHostFile(std::string(MURALTO_SOURCE_DIR) + "/tests/data/regressions/jpeg/six-hundred-scans.jpg");
  machine.WriteFile("C:\\Pics\\scans.jpg", std::string(scans.begin(), scans.end()));
  Put("good.jpg", "small.jpg");
  Convert("C:\\Pics\\good.jpg");
  const auto before = Wallpaper();
  const auto pixels = workBitmap.ToBgra();
  const std::pair<const char*, std::function<void()>> rows[] = {
      {"the file can be written", [] {}},
      {"the disk is full", [] { sim::LimitDiskSpace(0); }},
      {"the data folder refuses writes", [] { sim::DenyWritesUnder("C:\\Muralto\\data"); }},
  };
  for (const auto& [why, breakIt] : rows) {
    breakIt();
    wallpaperPath = "unchanged";
    EXPECT_EQ(Failure("C:\\Pics\\scans.jpg"), "JPEG error #" + std::to_string(JERR_BAD_PROGRESSION)) << why;
    sim::LimitDiskSpace(sim::NoDiskLimit);
    EXPECT_EQ(wallpaperPath, "unchanged") << why;
    EXPECT_EQ(Wallpaper(), before) << why;
    EXPECT_EQ(workBitmap.ToBgra(), pixels) << why;
  }
}

TEST_F(ConvertPictureTest, SamePictureTwiceRewritesTheFile) {
  Put("good.jpg", "small.jpg");
  Convert("C:\\Pics\\good.jpg");
  machine.WriteFile(Wallpaper_, "stale");
  Convert("C:\\Pics\\good.jpg");
  EXPECT_EQ(Wallpaper().size(), 54u + 64u * 3u * 48u);
}

TEST_F(ConvertPictureTest, EightBitScreenQuantizesColourJpegs) {
  toolkit::SetScreenBitsPerPixel(8);
  toolkit::TJPEGImage eightBit;
  toolkit::SetScreenBitsPerPixel(24);
  Put("c.jpg", "color.jpg");
  muralto::ConvertPicture("C:\\Pics\\c.jpg", TestMachine::DataDir, "wallpaper.bmp", currentExtension, wallpaperPath,
                          eightBit, workBitmap);
  const auto file = Wallpaper();
  EXPECT_EQ(pictures::Le16(file, 28), 8);
  EXPECT_LE(pictures::Le32(file, 46), 236u);
}

}  // namespace
