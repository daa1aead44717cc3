// The simulated machine's own controls: drive mapping, attributes added by
// tests, refused writes, the registry's journal and refusals, and the
// desktop's records. What the platform calls promise is pinned by the
// contract suites; these are the sim's extras.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/sim/world.h"
#include "platform/windowing.h"
#include "support/Probe.h"
#include "support/sim/DriveCTest.h"

namespace {

namespace fs = std::filesystem;
using namespace platform;
using namespace probe;

class SimWorld : public support::DriveCTest {
 protected:
  std::string Read(const std::string& relative) {
    std::ifstream in(host_ + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(SimWorld, WindowsPathsMapThroughDrives) {
  struct Row {
    std::string windows;
    std::string host;
    const char* why;
  };
  const Row rows[] = {
      {"C:\\a\\b.txt", host_ + "/a/b.txt", "a path on C:"},
      {"c:/a/b.txt", host_ + "/a/b.txt", "lower-case drive, forward slashes"},
      {"C:\\", host_, "the drive's root"},
      {"\\a", host_ + "/a", "no drive: the current drive C:"},
      {"a\\..\\b", host_ + "/b", "\"..\" steps up"},
      {"C:\\..\\..\\x", host_ + "/x", "never above the root"},
      {"Z:\\tmp", "/tmp", "Z: is the host's root"},
      {"D:\\x", "", "an unmapped drive"},
      {"\\\\server\\share\\x", "", "UNC paths are unknown"},
  };
  for (const Row& row : rows) EXPECT_EQ(sim::HostPath(row.windows), row.host) << row.why;

  EXPECT_EQ(sim::WindowsPath(host_ + "/a/b.txt"), "C:\\a\\b.txt");
  EXPECT_EQ(sim::WindowsPath(host_), "C:\\");
  EXPECT_EQ(sim::WindowsPath("/etc/hosts"), "Z:\\etc\\hosts") << "Z: when no other drive holds it";
  sim::UnmapDrive('c');
  EXPECT_EQ(sim::HostPath("C:\\a"), "");
  std::string throughZ = "Z:" + host_ + "/a";
  for (char& c : throughZ) {
    if (c == '/') c = '\\';
  }
  EXPECT_EQ(sim::WindowsPath(host_ + "/a"), throughZ);
}

TEST_F(SimWorld, ExistingNamesAreFoundWithoutRegardToCase) {
  fs::create_directory(host_ + "/Pictures");
  Write("Pictures/Photo.JPG", "x");
  EXPECT_EQ(sim::HostPath("C:\\PICTURES\\photo.jpg"), host_ + "/Pictures/Photo.JPG");
  EXPECT_EQ(sim::HostPath("C:\\pictures\\new.jpg"), host_ + "/Pictures/new.jpg") << "a new name keeps its spelling";
}

TEST_F(SimWorld, AnUnmappedDriveIsAMissingPath) {
  SetLastError(0);
  EXPECT_EQ(GetFileAttributesA("Q:\\x"), InvalidFileAttributes);
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorPathNotFound));
  FindDataA data;
  EXPECT_EQ(FindFirstFileA("Q:\\*.*", &data), InvalidHandleValue);
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorPathNotFound));
  EXPECT_EQ(CreateFileAnew("Q:\\x"), InvalidHandleValue);
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorPathNotFound));
}

TEST_F(SimWorld, ADriveRootListsNoDots) {
  Write("a.bmp", "");
  FindDataA data;
  const Handle find = FindFirstFileA("C:\\*.*", &data);
  ASSERT_NE(find, InvalidHandleValue);
  EXPECT_STREQ(data.cFileName, "a.bmp");
  EXPECT_FALSE(FindNextFileA(find, &data));
  EXPECT_TRUE(FindClose(find));
  EXPECT_FALSE(FindClose(find)) << "closed once only";
}

TEST_F(SimWorld, ExtraAttributesAddToWhatTheHostGives) {
  fs::create_directory(host_ + "/holiday.jpg");
  sim::SetExtraAttributes("C:\\HOLIDAY.JPG", FileAttributeReadonly);
  EXPECT_EQ(GetFileAttributesA("C:\\holiday.jpg"), 0x11u);
  sim::SetExtraAttributes("C:\\holiday.jpg", FileAttributeReparsePoint);
  EXPECT_EQ(GetFileAttributesA("C:\\holiday.jpg"), 0x410u) << "the bits are replaced, not added up";
  sim::SetExtraAttributes("C:\\holiday.jpg", 0);
  EXPECT_EQ(GetFileAttributesA("C:\\holiday.jpg"), 0x10u);
}

TEST_F(SimWorld, DeniedWritesFailWithAccessDeniedAndChangeNothing) {
  fs::create_directory(host_ + "/locked");
  Write("locked/Muralto.ini", "[Options]\r\ntray=1\r\n");
  Write("locked/old.bmp", "old");
  Write("free.ini", "");
  sim::DenyWritesUnder("C:\\Locked");
  struct Row {
    const char* what;
    bool (*attempt)();
  };
  const Row rows[] = {
      {"profile write", [] { return WritePrivateProfileStringA("Options", "tray", "0", "C:\\locked\\Muralto.ini"); }},
      {"new file",
       [] {
         const Handle file = CreateFileAnew("C:\\locked\\new.bmp");
         if (file != InvalidHandleValue) CloseHandle(file);
         return file != InvalidHandleValue;
       }},
      {"deletion", [] { return DeleteFileA("C:\\locked\\old.bmp"); }},
      {"rename inside", [] { return MoveFileExA("C:\\locked\\old.bmp", "C:\\locked\\new.bmp", 0); }},
      {"rename into", [] { return MoveFileExA("C:\\free.ini", "C:\\locked\\free.ini", 0); }},
  };
  for (const Row& row : rows) {
    SetLastError(0);
    EXPECT_FALSE(row.attempt()) << row.what;
    EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorAccessDenied)) << row.what;
  }
  EXPECT_EQ(Read("locked/Muralto.ini"), "[Options]\r\ntray=1\r\n");
  EXPECT_EQ(Read("locked/old.bmp"), "old");
  EXPECT_FALSE(fs::exists(host_ + "/locked/new.bmp"));
  char value[8];
  EXPECT_EQ(GetPrivateProfileStringA("Options", "tray", "", value, sizeof value, "C:\\locked\\Muralto.ini"), 1u)
      << "reading still works";
  EXPECT_TRUE(WritePrivateProfileStringA("S", "k", "v", "C:\\free.ini")) << "other folders are writable";
}

TEST_F(SimWorld, ProfileReadsSeeTheFileAsItIsNow) {
  Write("s.ini", "[S]\r\nk=1\r\n");
  char value[8];
  GetPrivateProfileStringA("S", "k", "", value, sizeof value, "C:\\s.ini");
  EXPECT_STREQ(value, "1");
  Write("s.ini", "[S]\r\nk=2\r\n");
  GetPrivateProfileStringA("S", "k", "", value, sizeof value, "C:\\s.ini");
  EXPECT_STREQ(value, "2") << "no cache between calls";
}

TEST_F(SimWorld, ModuleAndWindowsFolder) {
  char buffer[260];
  ASSERT_GT(GetModuleFileNameA(buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "C:\\Program Files\\Muralto\\Muralto.exe") << "the default after Reset";
  ASSERT_GT(GetWindowsDirectoryA(buffer, sizeof buffer), 0u);
  EXPECT_STREQ(buffer, "C:\\windows");
  sim::SetModuleFileName("C:\\My Apps\\Other.exe");
  EXPECT_EQ(GetModuleFileNameA(buffer, sizeof buffer), 20u);
  EXPECT_STREQ(buffer, "C:\\My Apps\\Other.exe");
  sim::SetWindowsDirectory("");
  EXPECT_EQ(GetWindowsDirectoryA(buffer, sizeof buffer), 0u) << "the call fails";
}

TEST_F(SimWorld, ResetClosesOpenFiles) {
  Write("a.jpg", "x");
  const Handle file = OpenFileForReadDenyWrite("C:\\a.jpg");
  ASSERT_NE(file, InvalidHandleValue);
  sim::Reset();
  sim::MapDrive('C', host_);
  EXPECT_FALSE(CloseHandle(file));
  EXPECT_TRUE(DeleteFileA("C:\\a.jpg")) << "no handle holds it any more";
}

TEST_F(SimWorld, SharingHoldsForEveryPathOfOneFile) {
  Write("a.jpg", "x");
  sim::MapDrive('D', host_);
  const Handle reader = OpenFileForReadDenyWrite("C:\\a.jpg");
  ASSERT_NE(reader, InvalidHandleValue);
  SetLastError(0);
  EXPECT_EQ(CreateFileAnew("D:\\A.JPG"), InvalidHandleValue) << "another drive letter and case, the same file";
  EXPECT_EQ(GetLastError(), static_cast<std::uint32_t>(ErrorSharingViolation));
  EXPECT_FALSE(DeleteFileA("D:\\a.jpg"));
  EXPECT_FALSE(WritePrivateProfileStringA("S", "k", "v", "D:\\a.jpg")) << "profile writes respect open files";
  EXPECT_TRUE(CloseHandle(reader));
  EXPECT_TRUE(DeleteFileA("D:\\a.jpg"));
}

TEST_F(SimWorld, ANewUserHasTheDesktopAndRunKeys) {
  EXPECT_TRUE(sim::RegKeyExists("CONTROL PANEL\\Desktop"));
  sim::RegValue value;
  ASSERT_TRUE(sim::RegGet("Control Panel\\desktop", "Wallpaper", &value));
  EXPECT_EQ(value.type, RegSz);
  EXPECT_EQ(value.data, std::vector<std::uint8_t>{0});
  EXPECT_EQ(sim::RegGetString("Control Panel\\desktop", "TileWallpaper"), "0");
  EXPECT_EQ(sim::RegGetString("Control Panel\\desktop", "WallpaperStyle"), "0");
  EXPECT_TRUE(sim::RegKeyExists("Software\\Microsoft\\Windows\\CurrentVersion\\Run"));
  EXPECT_TRUE(sim::RegJournal().empty());
}

TEST_F(SimWorld, TheJournalListsWritesInOrder) {
  sim::RegSetString("Control Panel\\desktop", "Untracked", "by the test");
  Hkey key = 0;
  ASSERT_EQ(RegOpenKeyExA(HkeyCurrentUser, "Control Panel\\desktop", KeyAllAccess, &key), ErrorSuccess);
  const std::uint8_t one[] = "1";
  const std::uint8_t dword[] = {7, 0, 0, 0};
  const std::uint8_t blob[] = {0xab, 0x01};
  EXPECT_EQ(RegSetValueExA(key, "TileWallpaper", RegSz, one, sizeof one), ErrorSuccess);
  EXPECT_EQ(RegSetValueExA(key, "Count", RegDword, dword, 4), ErrorSuccess);
  EXPECT_EQ(RegSetValueExA(key, "Blob", RegBinary, blob, 2), ErrorSuccess);
  EXPECT_EQ(RegDeleteValueA(key, "Count"), ErrorSuccess);
  EXPECT_EQ(RegDeleteValueA(key, "Count"), ErrorFileNotFound);
  Hkey sub = 0;
  EXPECT_EQ(RegCreateKeyExA(key, "Sub", KeyAllAccess, &sub, nullptr), ErrorSuccess);
  EXPECT_EQ(RegCloseKey(sub), ErrorSuccess);
  EXPECT_EQ(RegDeleteKeyA(key, "Sub"), ErrorSuccess);
  EXPECT_EQ(RegCloseKey(key), ErrorSuccess);
  const std::vector<std::string> expected = {
      "set TileWallpaper=1",
      "set Count=7",
      "set Blob=hex:ab,01",
      "delete Count",
      "create key control panel\\desktop\\sub",
      "delete key control panel\\desktop\\sub",
  };
  EXPECT_EQ(sim::RegJournal(), expected);
}

TEST_F(SimWorld, RefusedRegistryWritesFailUnderTheirKeyOnly) {
  sim::RegFailWritesUnder("Control Panel\\Desktop", ErrorAccessDenied);
  Hkey desktop = 0, run = 0;
  ASSERT_EQ(RegOpenKeyExA(HkeyCurrentUser, "control panel\\desktop", KeyAllAccess, &desktop), ErrorSuccess);
  ASSERT_EQ(RegOpenKeyExA(HkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", KeyAllAccess, &run),
            ErrorSuccess);
  const std::uint8_t text[] = "x";
  EXPECT_EQ(RegSetValueExA(desktop, "Wallpaper", RegSz, text, sizeof text), ErrorAccessDenied);
  EXPECT_EQ(RegDeleteValueA(desktop, "TileWallpaper"), ErrorAccessDenied);
  Hkey sub = 0;
  EXPECT_EQ(RegCreateKeyExA(desktop, "Deeper", KeyAllAccess, &sub, nullptr), ErrorAccessDenied) << "sub-keys too";
  std::uint32_t size = 0;
  EXPECT_EQ(RegQueryValueExA(desktop, "Wallpaper", nullptr, nullptr, &size), ErrorSuccess) << "reads go on";
  EXPECT_EQ(RegSetValueExA(run, "Muralto 1.2", RegSz, text, sizeof text), ErrorSuccess) << "another key";
  EXPECT_EQ(sim::RegJournal(), std::vector<std::string>{"set Muralto 1.2=x"}) << "refusals are not journaled";

  sim::RegFailWritesUnder("control panel\\desktop", ErrorSuccess);
  EXPECT_EQ(RegSetValueExA(desktop, "Wallpaper", RegSz, text, sizeof text), ErrorSuccess) << "lifted";
  RegCloseKey(desktop);
  RegCloseKey(run);
}

TEST_F(SimWorld, TestsSetAndRemoveKeysDirectly) {
  sim::RegSetString("Software\\Test\\Deep", "Name", "value");
  EXPECT_EQ(sim::RegGetString("software\\test\\deep", "NAME"), "value");
  sim::RegDeleteKey("Software\\Test");
  EXPECT_FALSE(sim::RegKeyExists("Software\\Test\\Deep")) << "with its sub-keys";
  EXPECT_EQ(sim::RegGetString("Software\\Test\\Deep", "Name"), "");
}

TEST_F(SimWorld, TheWallpaperCallIsRecorded) {
  char path[] = "C:\\data\\wallpaper.bmp";
  EXPECT_TRUE(SystemParametersInfoA(SpiSetDeskWallpaper, 1, path, SpifUpdateIniFile));
  ASSERT_EQ(sim::WallpaperCalls().size(), 1u);
  EXPECT_EQ(sim::WallpaperCalls()[0].param, 1u);
  EXPECT_EQ(sim::WallpaperCalls()[0].path, path);
  EXPECT_EQ(sim::WallpaperCalls()[0].winIni, SpifUpdateIniFile);
  EXPECT_EQ(sim::RegGetString("Control Panel\\desktop", "Wallpaper"), path);
  EXPECT_TRUE(sim::RegJournal().empty()) << "the system's own write is not the program's";

  char other[] = "C:\\other.bmp";
  EXPECT_TRUE(SystemParametersInfoA(SpiSetDeskWallpaper, 1, other, 0));
  EXPECT_EQ(sim::RegGetString("Control Panel\\desktop", "Wallpaper"), path) << "without SPIF_UPDATEINIFILE";
  sim::SetWallpaperCallRecordsPath(false);
  EXPECT_TRUE(SystemParametersInfoA(SpiSetDeskWallpaper, 1, other, SpifUpdateIniFile));
  EXPECT_EQ(sim::RegGetString("Control Panel\\desktop", "Wallpaper"), path) << "recording switched off";
  EXPECT_EQ(sim::WallpaperCalls().size(), 3u);
}

TEST_F(SimWorld, ScreenPixelsAndSize) {
  sim::Screen& screen = sim::TheScreen();
  screen.width = 3;
  screen.height = 2;
  screen.bitsPerPixel = 8;
  screen.pixels = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x000001};
  EXPECT_EQ(GetSystemMetrics(SmCxScreen), 3);
  EXPECT_EQ(GetSystemMetrics(SmCyScreen), 2);
  const Hdc dc = GetDC(0);
  EXPECT_EQ(GetDeviceCaps(dc, DeviceCapsBitsPixel), 8);
  std::uint8_t out[3 * 2 * 4];
  ASSERT_TRUE(BitBltToBuffer(dc, 1, 0, 3, 2, out));
  const std::uint8_t expected[] = {0x66, 0x55, 0x44, 0, 0x99, 0x88, 0x77, 0, 0, 0, 0, 0,
                                   0xFF, 0xEE, 0xDD, 0, 0x01, 0,    0,    0, 0, 0, 0, 0};
  for (std::size_t i = 0; i < sizeof out; ++i)
    EXPECT_EQ(out[i], expected[i]) << "byte " << i << " (off-screen is black)";
  EXPECT_EQ(ReleaseDC(0, dc), 1);
  EXPECT_EQ(ReleaseDC(0, dc), 0) << "released once only";
  EXPECT_EQ(GetDeviceCaps(dc, DeviceCapsBitsPixel), 0) << "a released context";
}

TEST_F(SimWorld, AnEmptyScreenShowsAFixedPattern) {
  const Hdc dc = GetDC(GetDesktopWindow());
  std::uint8_t first[16], second[16];
  ASSERT_TRUE(BitBltToBuffer(dc, 10, 20, 2, 2, first));
  ASSERT_TRUE(BitBltToBuffer(dc, 10, 20, 2, 2, second));
  EXPECT_EQ(std::vector<std::uint8_t>(first, first + 16), std::vector<std::uint8_t>(second, second + 16));
  EXPECT_NE(std::vector<std::uint8_t>(first, first + 4), std::vector<std::uint8_t>(first + 4, first + 8))
      << "neighbours differ";
  ReleaseDC(GetDesktopWindow(), dc);
}

TEST_F(SimWorld, ClientRectanglesOfOtherWindowsComeFromTheWindowTable) {
  Rect rect;
  EXPECT_FALSE(GetClientRect(0x4242, &rect)) << "an unknown window";
  const Hwnd window = CreateWindowExA(0, "Static", "", WsPopup, 5, 5, 300, 200, 0, 0);
  ASSERT_TRUE(GetClientRect(window, &rect));
  EXPECT_EQ(rect.right, 300);
  EXPECT_EQ(rect.bottom, 200);
  DestroyWindow(window);
  EXPECT_FALSE(GetClientRect(window, &rect)) << "a window that is gone";
}

}  // namespace
