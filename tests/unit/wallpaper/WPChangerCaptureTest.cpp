#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sim/world.h"
#include "platform/windowing.h"
#include "support/TestMachine.h"
#include "toolkit/core/Exceptions.h"
#include "toolkit/graphics/Bitmap.h"
#include "toolkit/io/FileStream.h"
#include "toolkit/io/MemoryStream.h"
#include "wallpaper/WPChanger.h"

namespace {

using muralto::TWPChanger;

std::vector<std::uint8_t> Bgra(const std::vector<std::uint32_t>& rgb) {
  std::vector<std::uint8_t> out;
  for (std::uint32_t p : rgb) {
    out.push_back(static_cast<std::uint8_t>(p));
    out.push_back(static_cast<std::uint8_t>(p >> 8));
    out.push_back(static_cast<std::uint8_t>(p >> 16));
    out.push_back(0);
  }
  return out;
}

class CaptureTest : public ::testing::Test {
 protected:
  CaptureTest() {
    sim::Screen& screen = sim::TheScreen();
    screen.width = 4;
    screen.height = 3;
    screen.pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0x010203, 0x040506,
                     0x070809, 0x0A0B0C, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
  }
  support::TestMachine machine;
};

TEST_F(CaptureTest, TheScreenIsCopiedAtItsSizeInThePixelFormat) {
  TWPChanger changer(nullptr);
  toolkit::TBitmap bitmap;
  changer.CaptureScreen(bitmap, 0);
  EXPECT_EQ(bitmap.Width(), 4);
  EXPECT_EQ(bitmap.Height(), 3);
  EXPECT_EQ(bitmap.PixelFormat(), toolkit::pf24bit);
  EXPECT_EQ(bitmap.ToBgra(), Bgra(sim::TheScreen().pixels));

  changer.SetPixelFormat(toolkit::pf32bit);
  changer.CaptureScreen(bitmap, 0);
  EXPECT_EQ(bitmap.PixelFormat(), toolkit::pf32bit);
}

// An eight-bit copy takes the system's default colour table: a cube of six
// steps of 51 for each colour, then forty greys; each pixel its nearest colour.
TEST_F(CaptureTest, AnEightBitCopyCarriesTheDefaultColourTable) {
  TWPChanger changer(nullptr);
  changer.SetPixelFormat(toolkit::pf8bit);
  toolkit::TBitmap bitmap;
  changer.CaptureScreen(bitmap, 0);
  toolkit::TMemoryStream out;
  bitmap.SaveToStream(out);
  const std::vector<std::uint8_t>& file = out.Bytes();
  ASSERT_GE(file.size(), 54u + 256 * 4);
  auto entry = [&](int i) {
    const std::uint8_t* q = &file[54 + 4 * static_cast<std::size_t>(i)];
    return static_cast<std::uint32_t>(q[2] << 16 | q[1] << 8 | q[0]);
  };
  const std::pair<int, std::uint32_t> rows[] = {{0, 0x000000},   {1, 0x000033},   {6, 0x003300},  {36, 0x330000},
                                                {215, 0xFFFFFF}, {216, 0x060606}, {255, 0xF8F8F8}};
  for (const auto& [index, colour] : rows) EXPECT_EQ(entry(index), colour) << index;
  const std::vector<std::uint8_t> shown = bitmap.ToBgra();
  EXPECT_EQ(std::vector<std::uint8_t>(shown.begin() + 32, shown.end()), Bgra({0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}))
      << "pure colours stay as they are";
}

TEST_F(CaptureTest, AWindowIsCopiedAtItsClientSize) {
  const platform::Hwnd window = platform::CreateWindowExA(0, "Static", "", platform::WsPopup, 0, 0, 2, 1, 0, 0);
  TWPChanger changer(nullptr);
  toolkit::TBitmap bitmap;
  changer.CaptureScreen(bitmap, window);
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.Height(), 1);
  EXPECT_EQ(bitmap.ToBgra(), Bgra({0x112233, 0x445566}));
}

TEST_F(CaptureTest, TheScreenCopyBecomesTheWallpaper) {
  TWPChanger changer(nullptr);
  changer.SetScreenAsWallpaper(muralto::wpTiled);
  const std::string path = "C:\\Windows\\WPCWallpaper.bmp";
  EXPECT_EQ(machine.ReadFile(path).substr(0, 2), "BM");
  toolkit::TBitmap saved;
  toolkit::TFileStream file(path, toolkit::TFileMode::fmOpenReadDenyWrite);
  saved.LoadFromStream(file);
  EXPECT_EQ(saved.ToBgra(), Bgra(sim::TheScreen().pixels));
  EXPECT_EQ(sim::RegGetString("Control Panel\\desktop", "Wallpaper"), path);
  EXPECT_EQ(sim::RegGetString("Control Panel\\desktop", "TileWallpaper"), "1");
}

TEST_F(CaptureTest, WithoutAWindowsFolderThereIsNoPlaceForTheCopy) {
  sim::SetWindowsDirectory("");
  TWPChanger changer(nullptr);
  EXPECT_EQ(changer.CaptureFolder(), "");
  EXPECT_THROW(changer.SetScreenAsWallpaper(muralto::wpCentered), toolkit::EInvalidOperation);
  EXPECT_TRUE(sim::WallpaperCalls().empty());
}

TEST_F(CaptureTest, TheCaptureFolderKeepsAtMost255CharactersOfTheWindowsFolder) {
  struct Row {
    std::size_t length;  // of the Windows folder's name
    std::size_t kept;    // characters kept before the appended backslash; npos: no folder
  };
  const Row rows[] = {
      {255, 255},                // the longest name kept whole
      {256, 255},                // the system's buffer holds it, but only 255 characters are kept
      {259, 255},                // the longest name the 260-character buffer holds
      {260, std::string::npos},  // the buffer cannot take it: no folder
  };
  for (const Row& row : rows) {
    const std::string windows = "C:\\" + std::string(row.length - 3, 'w');
    sim::SetWindowsDirectory(windows);
    TWPChanger changer(nullptr);
    const std::string expected = row.kept == std::string::npos ? "" : windows.substr(0, row.kept) + "\\";
    EXPECT_EQ(changer.CaptureFolder(), expected) << "a Windows folder of " << row.length << " characters";
  }
}

TEST_F(CaptureTest, AFailedSaveChangesNothing) {
  machine.Remove("C:\\Windows");
  TWPChanger changer(nullptr);
  EXPECT_THROW(changer.SetScreenAsWallpaper(muralto::wpCentered), toolkit::EFCreateError);
  EXPECT_TRUE(sim::WallpaperCalls().empty());
}

}  // namespace
